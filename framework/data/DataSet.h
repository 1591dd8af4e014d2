#pragma once
// The data set contract between a data source and what it serves: the riddle
// store implements it (portable code), the framework's data links and
// data-bound views use it.  Texts are UTF-8.  No <windows.h> here.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

enum class TDataSetState { dsInactive, dsBrowse, dsEdit };

enum class TDataEvent {
    deRecordChange,  // another record became current
    deDataSetChange, // the whole result changed (new statement, sort)
    deFieldChange,   // a field value of the current record changed
    deStateChange    // State() changed
};

class TDataSetObserver {
public:
    virtual void DataEvent(TDataEvent event) = 0;

protected:
    ~TDataSetObserver() = default;
};

class TDataSetApi {
public:
    virtual ~TDataSetApi() = default;

    virtual TDataSetState State() const = 0;
    bool Active() const { return State() != TDataSetState::dsInactive; }

    virtual int RecordCount() const = 0;
    // 1-based number of the current record; 0 when the result is empty.
    virtual int RecNo() const = 0;
    virtual void SetRecNo(int recNo) = 0;
    virtual bool Eof() const = 0;
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual void Prior() = 0;

    // Current record's field ("" when inactive or empty).
    virtual std::string FieldText(std::string_view field) const = 0;
    // Field of any record, without moving: views that draw many rows.
    virtual std::string FieldTextAt(int recNo, std::string_view field) const = 0;
    virtual void SetFieldText(std::string_view field, const std::string& value) = 0;

    virtual void Edit() = 0;
    virtual void Post() = 0;
    virtual void Cancel() = 0;

    void AddObserver(TDataSetObserver* o) { observers_.push_back(o); }
    void RemoveObserver(TDataSetObserver* o) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
    }

protected:
    void Notify(TDataEvent event) {
        for (TDataSetObserver* o : std::vector<TDataSetObserver*>(observers_))
            o->DataEvent(event);
    }

private:
    std::vector<TDataSetObserver*> observers_;
};

} // namespace yq
