#pragma once
// Data-aware views of one field of the current record: TDBText (a label)
// and TDBEdit (an edit box).  Both show the field whenever the current
// record, the result or the field's value changes, and empty text when the
// result is empty or the data set is closed.  A text set directly on a
// TDBText stays until the next such change.  The first keystroke in a
// TDBEdit puts the data set into edit state; what is typed goes straight
// into the current record.  Without a record to edit, typing changes
// nothing.
//
// A Buffered TDBEdit never edits the record: what is typed stays in the
// box (Modified) until the box is Reset or another record (or result)
// becomes current, which both show the stored field again.  Whoever owns
// the box writes its text when the user confirms it.
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
    bool Buffered() const { return buffered_; }
    void SetBuffered(bool buffered) { buffered_ = buffered; }
    // Shows the stored field again, dropping what was typed.
    void Reset();

protected:
    bool CanChange() override;
    void Change() override;

private:
    void DataChange();
    TFieldDataLink link_;
    bool buffered_ = false;
    TDataEvent event_ = TDataEvent::deDataSetChange;
};

} // namespace yq
