#pragma once
// Data-aware views of one field of the current record: TDBText (a label)
// and TDBEdit (an edit box).  Both show the field whenever the current
// record, the result or the field's value changes, and empty text when the
// result is empty or the data set is closed.  A text set directly on a
// TDBText stays until the next such change.  The first keystroke in a
// TDBEdit puts the data set into edit state; what is typed goes straight
// into the current record.  Without a record to edit, typing changes
// nothing.
#include "DataSource.h"
#include "Edit.h"
#include "Label.h"

namespace yq {

class TDBText : public TCustomLabel {
    YQ_CLASS(TDBText, TCustomLabel)
public:
    explicit TDBText(TComponent* owner = nullptr);

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source) { link_.SetDataSource(source); }
    std::wstring DataField() const;
    void SetDataField(const std::wstring& field);

private:
    void DataChange();
    TFieldDataLink link_;
};

class TDBEdit : public TCustomEdit {
    YQ_CLASS(TDBEdit, TCustomEdit)
public:
    explicit TDBEdit(TComponent* owner = nullptr);

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source) { link_.SetDataSource(source); }
    std::wstring DataField() const;
    void SetDataField(const std::wstring& field);

protected:
    bool CanChange() override;
    void Change() override;

private:
    void DataChange();
    TFieldDataLink link_;
};

} // namespace yq
