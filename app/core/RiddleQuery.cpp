#include "RiddleQuery.h"

#include "RiddleStatement.h"

namespace yq {

void TStatementList::Clear() {
    query_.Close();
    lines_.clear();
}

void TStatementList::Add(std::string line) {
    query_.Close();
    lines_.push_back(std::move(line));
}

std::string TStatementList::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

std::string TRiddleField::AsString() const {
    return query_.FieldText(kRiddleFields[size_t(field_)]);
}

void TRiddleField::SetAsString(const std::string& value) {
    query_.SetFieldText(kRiddleFields[size_t(field_)], value);
}

TRiddleQuery::TRiddleQuery() : SQL(*this) {}

void TRiddleQuery::Open() {
    if (Active()) return;
    std::string text = SQL.Text();
    std::optional<TRiddleStatement> statement = ParseRiddleStatement(text);
    if (!statement) throw EDatabaseError("Unsupported statement: " + text);
    Connect();
    order_ = statement->field < 0 ? table_.All() : table_.Match(*db_, statement->field, statement->pattern);
    engineOrder_ = order_;
    sort_.clear();
    current_ = order_.empty() ? 0 : 1;
    eof_ = order_.empty();
    modified_ = {};
    SetState(TDataSetState::dsBrowse);
    Notify(TDataEvent::deDataSetChange);
}

void TRiddleQuery::Close() {
    if (!Active()) return;
    order_.clear();
    engineOrder_.clear();
    sort_.clear();
    current_ = 0;
    eof_ = true;
    modified_ = {};
    SetState(TDataSetState::dsInactive);
    Notify(TDataEvent::deDataSetChange);
}

// No other process can change the file while we hold it, so the table is
// read once and every result points into that copy.
void TRiddleQuery::Connect() {
    if (!db_) db_ = TSqliteDatabase::OpenExclusive(FileName);
    if (!table_.Loaded()) table_.Load(*db_);
}

void TRiddleQuery::SetSort(const std::string& text) {
    CheckActive();
    std::optional<TSortOrder> order = ParseSortText(text);
    if (!order) throw EDatabaseError("Invalid sort order: " + text);
    if (state_ == TDataSetState::dsEdit) Post();
    // Always from the engine's order, so equal texts stand as they came.
    // Sorted where it lies: SortRows changes the list only once it cannot
    // fail any more.
    sort_.clear();
    order_ = engineOrder_;
    if (order->field >= 0) SortRows(order_, table_, *order);
    sort_ = text;
    current_ = order_.empty() ? 0 : 1;
    eof_ = order_.empty();
    Notify(TDataEvent::deDataSetChange);
}

TRiddleField TRiddleQuery::FieldByName(std::string_view name) {
    return {*this, CheckedField(name)};
}

void TRiddleQuery::SetRecNo(int recNo) {
    CheckActive();
    if (recNo == current_ || recNo < 1 || recNo > RecordCount()) return;
    if (state_ == TDataSetState::dsEdit) Post();
    MoveTo(recNo);
}

void TRiddleQuery::First() {
    CheckActive();
    if (state_ == TDataSetState::dsEdit) Post();
    eof_ = order_.empty();
    if (!order_.empty() && current_ != 1) MoveTo(1);
}

void TRiddleQuery::Next() {
    CheckActive();
    if (state_ == TDataSetState::dsEdit) Post();
    if (current_ >= RecordCount()) {
        eof_ = true;
        return;
    }
    MoveTo(current_ + 1);
}

void TRiddleQuery::Prior() {
    CheckActive();
    if (state_ == TDataSetState::dsEdit) Post();
    if (order_.empty()) return;
    eof_ = false;
    if (current_ > 1) MoveTo(current_ - 1);
}

void TRiddleQuery::MoveTo(int recNo) {
    current_ = recNo;
    eof_ = false;
    Notify(TDataEvent::deRecordChange);
}

std::string TRiddleQuery::FieldText(std::string_view field) const {
    int f = CheckedField(field);
    if (current_ == 0) return {};
    if (state_ == TDataSetState::dsEdit) return buffer_[size_t(f)];
    return std::string(table_.Text(CurrentRow(), f));
}

std::string TRiddleQuery::FieldTextAt(int recNo, std::string_view field) const {
    if (recNo == current_) return FieldText(field);
    int f = CheckedField(field);
    if (recNo < 1 || recNo > RecordCount()) return {};
    return std::string(table_.Text(order_[size_t(recNo - 1)], f));
}

void TRiddleQuery::SetFieldText(std::string_view field, const std::string& value) {
    int f = CheckedField(field);
    CheckActive();
    if (state_ != TDataSetState::dsEdit) throw EDatabaseError("Dataset not in edit or insert mode");
    buffer_[size_t(f)] = value;
    modified_[size_t(f)] = true;
    Notify(TDataEvent::deFieldChange);
}

void TRiddleQuery::Edit() {
    CheckActive();
    if (state_ == TDataSetState::dsEdit) return;
    if (order_.empty()) throw EDatabaseError("Cannot perform this operation on an empty dataset");
    for (int f = 0; f < kRiddleFieldCount; ++f)
        buffer_[size_t(f)] = table_.Text(CurrentRow(), f);
    modified_ = {};
    SetState(TDataSetState::dsEdit);
}

void TRiddleQuery::Post() {
    CheckActive();
    if (state_ != TDataSetState::dsEdit) return;
    std::string sql = R"(UPDATE "灯谜库" SET )";
    int parameters = 0;
    for (int f = 0; f < kRiddleFieldCount; ++f) {
        if (!modified_[size_t(f)]) continue;
        if (parameters++ > 0) sql += ", ";
        sql += '"' + std::string(kRiddleFields[size_t(f)]) + "\" = ?" + std::to_string(parameters);
    }
    std::uint32_t row = CurrentRow();
    if (parameters > 0) {
        sql += " WHERE rowid = ?" + std::to_string(parameters + 1);
        TSqliteTransaction transaction(*db_);
        {
            TSqliteStatement update(db_->Handle(), sql);
            int index = 0;
            for (int f = 0; f < kRiddleFieldCount; ++f)
                if (modified_[size_t(f)]) update.Bind(++index, buffer_[size_t(f)]);
            update.Bind(index + 1, table_.RowId(row));
            update.Step();
        }
        if (db_->Changes() != 1) throw EDatabaseError("Row cannot be located for updating");
        transaction.Commit();
        for (int f = 0; f < kRiddleFieldCount; ++f)
            if (modified_[size_t(f)]) table_.SetText(row, f, buffer_[size_t(f)]);
    }
    modified_ = {};
    SetState(TDataSetState::dsBrowse);
}

void TRiddleQuery::Cancel() {
    if (state_ != TDataSetState::dsEdit) return;
    modified_ = {};
    SetState(TDataSetState::dsBrowse);
    Notify(TDataEvent::deFieldChange);
}

int TRiddleQuery::CheckedField(std::string_view name) {
    int f = RiddleFieldIndex(name);
    if (f < 0) throw EDatabaseError("Field '" + std::string(name) + "' not found");
    return f;
}

void TRiddleQuery::CheckActive() const {
    if (!Active()) throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

void TRiddleQuery::SetState(TDataSetState state) {
    if (state_ == state) return;
    state_ = state;
    Notify(TDataEvent::deStateChange);
}

} // namespace yq
