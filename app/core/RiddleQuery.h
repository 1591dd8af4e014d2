#pragma once
// The riddle store: one query over table 灯谜库 of the SQLite database
// sk5.skn, with a static client-side cursor over its whole result.  Views
// follow it through the data set contract (DataSet.h); texts are UTF-8.
//
// - The statement is the line list SQL; changing it closes the query, Open
//   runs it (RiddleStatement.h lists the statements it answers).
// - The database file is opened on the first Open, for this object's whole
//   life, and exclusively: no other process can read or write it meanwhile.
// - Failures throw EDatabaseError with the engine's message; a failed Open
//   leaves the query closed.
// - Field values change only in edit state (Edit); Post writes the current
//   row in one transaction.  Moving to another record posts a pending edit,
//   closing the query drops it.
// - Not a component: whoever owns it detaches its data source (and so the
//   observers) before destroying it.
#include "DataSet.h"
#include "RiddleSort.h"
#include "RiddleTable.h"
#include "Sqlite.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

class TRiddleQuery;

// The query's statement: a list of text lines, run as one text.
class TStatementList {
public:
    explicit TStatementList(TRiddleQuery& query) : query_(query) {}
    void Clear();
    void Add(std::string line);
    int Count() const { return int(lines_.size()); }
    const std::string& operator[](int index) const { return lines_.at(size_t(index)); }
    std::string Text() const;

private:
    TRiddleQuery& query_;
    std::vector<std::string> lines_;
};

// A field of the current record, as FieldByName hands it out.
class TRiddleField {
public:
    TRiddleField(TRiddleQuery& query, int field) : query_(query), field_(field) {}
    std::string AsString() const;
    void SetAsString(const std::string& value);

private:
    TRiddleQuery& query_;
    int field_;
};

class TRiddleQuery : public TDataSetApi {
public:
    TRiddleQuery();
    TRiddleQuery(const TRiddleQuery&) = delete;
    TRiddleQuery& operator=(const TRiddleQuery&) = delete;

    // The database file, UTF-8; a bare name is looked for in the working
    // directory.  Takes effect at the first opening.
    std::string FileName = "sk5.skn";
    TStatementList SQL;

    void Open();
    void Close();
    void SetActive(bool active) { active ? Open() : Close(); }

    // Reorders the open result (RiddleSort.h) without running the statement
    // again and makes its first row current; lasts until the query closes.
    // "" while the result is in the engine's order.
    const std::string& Sort() const { return sort_; }
    void SetSort(const std::string& text);

    TRiddleField FieldByName(std::string_view name);

    TDataSetState State() const override { return state_; }
    int RecordCount() const override { return int(order_.size()); }
    int RecNo() const override { return current_; }
    // Out of range (0, or above RecordCount) leaves the current record.
    void SetRecNo(int recNo) override;
    bool Eof() const override { return eof_; }
    void First() override;
    void Next() override;
    void Prior() override;

    std::string FieldText(std::string_view field) const override;
    std::string FieldTextAt(int recNo, std::string_view field) const override;
    void SetFieldText(std::string_view field, const std::string& value) override;

    void Edit() override;
    void Post() override;
    void Cancel() override;

private:
    static int CheckedField(std::string_view name);
    void CheckActive() const;
    void Connect();
    void MoveTo(int recNo);
    void SetState(TDataSetState state);
    std::uint32_t CurrentRow() const { return order_[size_t(current_ - 1)]; }

    std::optional<TSqliteDatabase> db_;
    TRiddleTable table_;
    TDataSetState state_ = TDataSetState::dsInactive;
    std::vector<std::uint32_t> engineOrder_; // the result, rows of table_
    std::vector<std::uint32_t> order_;       // the result in the current sort
    std::string sort_;
    int current_ = 0;
    bool eof_ = true;
    // Edit state: the record buffer and which fields were assigned.
    std::array<std::string, kRiddleFieldCount> buffer_;
    std::array<bool, kRiddleFieldCount> modified_{};
};

} // namespace yq
