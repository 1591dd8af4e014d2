#pragma once
// TMemoryDataSet: rows of named UTF-8 text fields held in memory, browsed
// and edited as the riddle store is (browse and edit state, the events a
// store sends; a pending edit is posted when another record becomes
// current).  For the skin gallery's grid and data-aware edits, and for
// tests of the data-aware controls.
#include "Component.h"
#include "DataSet.h"

#include <map>
#include <string>
#include <vector>

namespace yq {

using TMemoryRow = std::map<std::string, std::string, std::less<>>;

class TMemoryDataSet : public TComponent, public TDataSetApi {
public:
    explicit TMemoryDataSet(TComponent* owner = nullptr);

    void Open(std::vector<TMemoryRow> rows);
    void Close();
    const TMemoryRow& Row(int recNo) const { return rows_.at(size_t(recNo - 1)); }

    TDataSetState State() const override { return state_; }
    int RecordCount() const override { return Active() ? int(rows_.size()) : 0; }
    int RecNo() const override { return recNo_; }
    void SetRecNo(int recNo) override;
    bool Eof() const override { return eof_; }
    void First() override;
    void Next() override;
    void Prior() override;
    std::string FieldText(std::string_view field) const override { return FieldTextAt(recNo_, field); }
    std::string FieldTextAt(int recNo, std::string_view field) const override;
    // Outside the edit state: throws std::runtime_error, as the store does.
    void SetFieldText(std::string_view field, const std::string& value) override;
    void Edit() override;
    void Post() override;
    void Cancel() override;

    // Edits posted since the data set was made.
    int PostCount() const { return posts_; }

private:
    void Move(int recNo);

    std::vector<TMemoryRow> rows_;
    TMemoryRow saved_;
    TDataSetState state_ = TDataSetState::dsInactive;
    int recNo_ = 0;
    bool eof_ = true;
    int posts_ = 0;
};

} // namespace yq
