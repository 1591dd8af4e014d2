#include "DataSource.h"

#include "Scope.h"

#include <algorithm>

namespace yq {

// ---- TDataSource ------------------------------------------------------------

YQ_CLASS_INFO(TDataSource, TComponent)

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    Detach();
    for (TDataLink* link : std::vector<TDataLink*>(links_))
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSetApi* dataSet) {
    if (dataSet == dataSet_) return;
    Detach();
    dataSet_ = dataSet;
    if (dataSet_) {
        dataSet_->AddObserver(this);
        dataSetComponent_ = dynamic_cast<TComponent*>(dataSet_);
        if (dataSetComponent_) FreeNotification(dataSetComponent_);
    }
    Broadcast(TDataEvent::deDataSetChange);
}

TDataSetState TDataSource::State() const {
    return dataSet_ ? dataSet_->State() : TDataSetState::dsInactive;
}

void TDataSource::Detach() {
    if (dataSet_) dataSet_->RemoveObserver(this);
    if (dataSetComponent_) RemoveFreeNotification(dataSetComponent_);
    dataSet_ = nullptr;
    dataSetComponent_ = nullptr;
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component && component == dataSetComponent_) {
        // The data set is already half destroyed: do not call it again.
        dataSet_ = nullptr;
        dataSetComponent_ = nullptr;
        Broadcast(TDataEvent::deDataSetChange);
    }
}

void TDataSource::DataEvent(TDataEvent event) {
    Broadcast(event);
}

void TDataSource::Broadcast(TDataEvent event) {
    // A handler may unlink views (or free them): tell only those still here.
    for (TDataLink* link : std::vector<TDataLink*>(links_))
        if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->DataEvent(event);
}

// ---- TDataLink --------------------------------------------------------------

TDataLink::~TDataLink() {
    if (source_) {
        auto& v = source_->links_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == source_) return;
    if (source_) {
        auto& v = source_->links_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    source_ = source;
    if (source_) source_->links_.push_back(this);
    DataEvent(TDataEvent::deDataSetChange);
}

bool TDataLink::Active() const {
    TDataSetApi* ds = DataSet();
    return ds && ds->Active();
}

bool TDataLink::HasRecord() const {
    return Active() && DataSet()->RecordCount() > 0;
}

void TDataLink::DataEvent(TDataEvent event) {
    if (OnDataEvent) OnDataEvent(event);
}

// ---- TFieldDataLink ---------------------------------------------------------

void TFieldDataLink::SetFieldName(const std::string& name) {
    if (name == fieldName_) return;
    fieldName_ = name;
    if (OnDataChange) OnDataChange();
}

std::string TFieldDataLink::FieldText() const {
    if (fieldName_.empty() || !HasRecord()) return {};
    return DataSet()->FieldText(fieldName_);
}

bool TFieldDataLink::Edit() {
    if (!HasRecord()) return false;
    TDataSetApi* ds = DataSet();
    if (ds->State() == TDataSetState::dsEdit) return true;
    {
        TValueScope writing(writing_, true); // its echo is not shown back to it
        ds->Edit();
    }
    return ds->State() == TDataSetState::dsEdit;
}

void TFieldDataLink::SetFieldText(const std::string& text) {
    if (fieldName_.empty() || !HasRecord()) return;
    TValueScope writing(writing_, true);
    DataSet()->SetFieldText(fieldName_, text);
}

void TFieldDataLink::DataEvent(TDataEvent event) {
    TDataLink::DataEvent(event);
    if (!writing_ && OnDataChange) OnDataChange();
}

} // namespace yq
