#pragma once
// TDataSource publishes one data set (TDataSetApi) to the data links of the
// views bound to it; every event of the data set reaches every link.
// TFieldDataLink is the link of a view showing one field of the current
// record.  A data source forgets a data set that is a TComponent when it is
// destroyed, and its links forget the data source when that goes away; the
// views then show empty text.
#include "Component.h"
#include "DataSet.h"

#include <functional>
#include <string>
#include <vector>

namespace yq {

class TDataLink;

class TDataSource : public TComponent, private TDataSetObserver {
    YQ_CLASS(TDataSource, TComponent)
public:
    explicit TDataSource(TComponent* owner = nullptr);
    ~TDataSource() override;

    TDataSetApi* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSetApi* dataSet);
    // dsInactive without a data set.
    TDataSetState State() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDataLink;
    void DataEvent(TDataEvent event) override;
    void Broadcast(TDataEvent event);
    void Detach();

    TDataSetApi* dataSet_ = nullptr;
    TComponent* dataSetComponent_ = nullptr;
    std::vector<TDataLink*> links_;
};

// A view's connection to a data source.  Events arrive in DataEvent; a
// change of data source arrives as deDataSetChange.
class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return source_; }
    void SetDataSource(TDataSource* source);
    // The linked data set, or nullptr.
    TDataSetApi* DataSet() const { return source_ ? source_->DataSet() : nullptr; }
    bool Active() const;
    // Active and holding at least one record.
    bool HasRecord() const;

    std::function<void(TDataEvent)> OnDataEvent;

protected:
    virtual void DataEvent(TDataEvent event);

private:
    friend class TDataSource;
    TDataSource* source_ = nullptr;
};

// One field of the current record.  OnDataChange runs whenever what the view
// shows may have changed, except for the echo of the link's own writes.
class TFieldDataLink : public TDataLink {
public:
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& name);

    // "" without an active data set or on an empty result.
    std::string FieldText() const;
    // Puts the data set into edit state unless it is already there; false
    // when there is no record to edit.
    bool Edit();
    // Writes the current record's field.
    void SetFieldText(const std::string& text);

    std::function<void()> OnDataChange;

protected:
    void DataEvent(TDataEvent event) override;

private:
    std::string fieldName_;
    bool writing_ = false;
};

} // namespace yq
