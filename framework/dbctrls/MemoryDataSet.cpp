#include "MemoryDataSet.h"

#include <stdexcept>

namespace yq {

TMemoryDataSet::TMemoryDataSet(TComponent* owner) : TComponent(owner) {}

void TMemoryDataSet::Open(std::vector<TMemoryRow> rows) {
    rows_ = std::move(rows);
    state_ = TDataSetState::dsBrowse;
    recNo_ = rows_.empty() ? 0 : 1;
    eof_ = rows_.empty();
    Notify(TDataEvent::deDataSetChange);
}

void TMemoryDataSet::Close() {
    rows_.clear();
    state_ = TDataSetState::dsInactive;
    recNo_ = 0;
    eof_ = true;
    Notify(TDataEvent::deDataSetChange);
}

void TMemoryDataSet::SetRecNo(int recNo) {
    if (recNo < 1 || recNo > int(rows_.size()) || recNo == recNo_) return;
    Move(recNo);
}

void TMemoryDataSet::First() {
    eof_ = rows_.empty();
    if (!rows_.empty()) Move(1);
}

void TMemoryDataSet::Next() {
    if (recNo_ >= int(rows_.size())) {
        eof_ = true;
        return;
    }
    Move(recNo_ + 1);
}

void TMemoryDataSet::Prior() {
    if (recNo_ > 1) Move(recNo_ - 1);
}

std::string TMemoryDataSet::FieldTextAt(int recNo, std::string_view field) const {
    if (!Active() || recNo < 1 || recNo > int(rows_.size())) return {};
    const TMemoryRow& row = rows_[size_t(recNo - 1)];
    auto it = row.find(field);
    return it == row.end() ? std::string() : it->second;
}

void TMemoryDataSet::SetFieldText(std::string_view field, const std::string& value) {
    if (state_ != TDataSetState::dsEdit) throw std::runtime_error("Dataset not in edit or insert mode");
    rows_[size_t(recNo_ - 1)][std::string(field)] = value;
    Notify(TDataEvent::deFieldChange);
}

void TMemoryDataSet::Edit() {
    if (state_ != TDataSetState::dsBrowse || rows_.empty()) return;
    saved_ = rows_[size_t(recNo_ - 1)];
    state_ = TDataSetState::dsEdit;
    Notify(TDataEvent::deStateChange);
}

void TMemoryDataSet::Post() {
    if (state_ != TDataSetState::dsEdit) return;
    state_ = TDataSetState::dsBrowse;
    ++posts_;
    Notify(TDataEvent::deStateChange);
}

void TMemoryDataSet::Cancel() {
    if (state_ != TDataSetState::dsEdit) return;
    rows_[size_t(recNo_ - 1)] = saved_;
    state_ = TDataSetState::dsBrowse;
    Notify(TDataEvent::deStateChange);
    Notify(TDataEvent::deFieldChange);
}

void TMemoryDataSet::Move(int recNo) {
    Post();
    recNo_ = recNo;
    eof_ = false;
    Notify(TDataEvent::deRecordChange);
}

} // namespace yq
