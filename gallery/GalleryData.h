#pragma once
// The gallery's data set: a few riddles held in memory, browsed and
// edited like the riddle store, for the data grid and data-aware edits.
#include "Component.h"
#include "DataSet.h"

#include <map>
#include <string>
#include <vector>

namespace yq::gallery {

using TRow = std::map<std::string, std::string, std::less<>>;

class TGalleryDataSet : public TComponent, public TDataSetApi {
public:
    explicit TGalleryDataSet(TComponent* owner = nullptr);

    // Opens on the sample riddles (UTF-8 fields 谜面, 谜目, 谜底).
    void Open(std::vector<TRow> rows);

    TDataSetState State() const override { return state_; }
    int RecordCount() const override { return int(rows_.size()); }
    int RecNo() const override { return recNo_; }
    void SetRecNo(int recNo) override;
    bool Eof() const override { return eof_; }
    void First() override;
    void Next() override;
    void Prior() override;
    std::string FieldText(std::string_view field) const override { return FieldTextAt(recNo_, field); }
    std::string FieldTextAt(int recNo, std::string_view field) const override;
    void SetFieldText(std::string_view field, const std::string& value) override;
    void Edit() override;
    void Post() override;
    void Cancel() override;

private:
    void Move(int recNo);
    std::vector<TRow> rows_;
    TRow saved_;
    TDataSetState state_ = TDataSetState::dsInactive;
    int recNo_ = 0;
    bool eof_ = true;
};

// Riddles to show: 40 rows, enough for a scroll bar.
std::vector<TRow> SampleRiddles();

} // namespace yq::gallery
