#pragma once
// A read-only data set of any size whose texts are made from the record
// number, for the grid's tests and benchmark: "谜面 N" and "谜目 N".  It
// counts the field reads, so tests can see how many rows a view touched.
#include "DataSet.h"

#include <string>

namespace yq::test {

class TGeneratedDataSet : public TDataSetApi {
public:
    explicit TGeneratedDataSet(int count) { Open(count); }

    void Open(int count) {
        count_ = count;
        recNo_ = count ? 1 : 0;
        eof_ = count == 0;
        Notify(TDataEvent::deDataSetChange);
    }

    TDataSetState State() const override { return TDataSetState::dsBrowse; }
    int RecordCount() const override { return count_; }
    int RecNo() const override { return recNo_; }
    void SetRecNo(int recNo) override {
        if (recNo < 1 || recNo > count_ || recNo == recNo_) return;
        Move(recNo);
    }
    bool Eof() const override { return eof_; }
    void First() override {
        eof_ = count_ == 0;
        if (count_ && recNo_ != 1) Move(1);
    }
    void Next() override {
        if (recNo_ >= count_) {
            eof_ = true;
            return;
        }
        Move(recNo_ + 1);
    }
    void Prior() override {
        if (recNo_ > 1) Move(recNo_ - 1);
    }
    std::string FieldText(std::string_view field) const override { return FieldTextAt(recNo_, field); }
    std::string FieldTextAt(int recNo, std::string_view field) const override {
        ++reads;
        if (recNo < 1 || recNo > count_) return {};
        return std::string(field) + " " + std::to_string(recNo);
    }
    void SetFieldText(std::string_view, const std::string&) override {}
    void Edit() override {}
    void Post() override {}
    void Cancel() override {}

    mutable long long reads = 0;

private:
    void Move(int recNo) {
        recNo_ = recNo;
        eof_ = false;
        Notify(TDataEvent::deRecordChange);
    }

    int count_ = 0;
    int recNo_ = 0;
    bool eof_ = true;
};

} // namespace yq::test
