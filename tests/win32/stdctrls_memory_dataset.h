#pragma once
// A tiny in-memory data set for the data-aware controls' tests: rows of
// named text fields, browse and edit state, and the events a store sends.
// A pending edit is posted when another record becomes current.
#include "Component.h"
#include "DataSet.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace yq::test {

using TRow = std::map<std::string, std::string, std::less<>>;

class TMemoryDataSet : public TComponent, public TDataSetApi {
public:
    explicit TMemoryDataSet(TComponent* owner = nullptr) : TComponent(owner) {}

    void Open(std::vector<TRow> rows) {
        rows_ = std::move(rows);
        state_ = TDataSetState::dsBrowse;
        recNo_ = rows_.empty() ? 0 : 1;
        eof_ = rows_.empty();
        Notify(TDataEvent::deDataSetChange);
    }
    void Close() {
        rows_.clear();
        state_ = TDataSetState::dsInactive;
        recNo_ = 0;
        Notify(TDataEvent::deDataSetChange);
    }

    TDataSetState State() const override { return state_; }
    int RecordCount() const override { return Active() ? int(rows_.size()) : 0; }
    int RecNo() const override { return recNo_; }
    void SetRecNo(int recNo) override {
        if (recNo < 1 || recNo > int(rows_.size()) || recNo == recNo_) return;
        Move(recNo);
    }
    bool Eof() const override { return eof_; }
    void First() override {
        eof_ = rows_.empty();
        if (!rows_.empty()) Move(1);
    }
    void Next() override {
        if (recNo_ >= int(rows_.size())) {
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
        ++fieldReads;
        if (!Active() || recNo < 1 || recNo > int(rows_.size())) return {};
        auto it = rows_[size_t(recNo - 1)].find(field);
        return it == rows_[size_t(recNo - 1)].end() ? std::string() : it->second;
    }
    void SetFieldText(std::string_view field, const std::string& value) override {
        if (state_ != TDataSetState::dsEdit) throw std::runtime_error("Dataset not in edit or insert mode");
        rows_[size_t(recNo_ - 1)][std::string(field)] = value;
        Notify(TDataEvent::deFieldChange);
    }

    void Edit() override {
        if (state_ != TDataSetState::dsBrowse || rows_.empty()) return;
        saved_ = rows_[size_t(recNo_ - 1)];
        state_ = TDataSetState::dsEdit;
        Notify(TDataEvent::deStateChange);
    }
    void Post() override {
        if (state_ != TDataSetState::dsEdit) return;
        state_ = TDataSetState::dsBrowse;
        ++posts;
        Notify(TDataEvent::deStateChange);
    }
    void Cancel() override {
        if (state_ != TDataSetState::dsEdit) return;
        rows_[size_t(recNo_ - 1)] = saved_;
        state_ = TDataSetState::dsBrowse;
        Notify(TDataEvent::deStateChange);
        Notify(TDataEvent::deFieldChange);
    }

    const TRow& Row(int recNo) const { return rows_.at(size_t(recNo - 1)); }

    int posts = 0;
    mutable long long fieldReads = 0;

private:
    void Move(int recNo) {
        Post();
        recNo_ = recNo;
        eof_ = false;
        Notify(TDataEvent::deRecordChange);
    }

    std::vector<TRow> rows_;
    TRow saved_;
    TDataSetState state_ = TDataSetState::dsInactive;
    int recNo_ = 0;
    bool eof_ = true;
};

} // namespace yq::test
