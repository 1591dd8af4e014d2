#include "DBCtrls.h"

#include "Text.h"

namespace yq {

// ---- TDBText ----------------------------------------------------------------

YQ_PUBLISHED(TDBText, TCustomLabel) {
    r.WStr("DataField", &TDBText::DataField, &TDBText::SetDataField);
    r.Object("DataSource", &TDBText::DataSource);
}

TDBText::TDBText(TComponent* owner) : TCustomLabel(owner) {
    SetAutoSize(false);
    link_.OnDataChange = [this] { DataChange(); };
}

std::wstring TDBText::DataField() const {
    return Widen(link_.FieldName());
}

void TDBText::SetDataField(const std::wstring& field) {
    link_.SetFieldName(Narrow(field));
}

void TDBText::DataChange() {
    SetCaption(Widen(link_.FieldText()));
}

// ---- TDBEdit ----------------------------------------------------------------

YQ_PUBLISHED(TDBEdit, TCustomEdit) {
    r.WStr("DataField", &TDBEdit::DataField, &TDBEdit::SetDataField);
    r.Object("DataSource", &TDBEdit::DataSource);
    r.Bool("Buffered", &TDBEdit::Buffered, &TDBEdit::SetBuffered);
}

TDBEdit::TDBEdit(TComponent* owner) : TCustomEdit(owner) {
    link_.OnDataEvent = [this](TDataEvent event) { event_ = event; };
    link_.OnDataChange = [this] { DataChange(); };
}

std::wstring TDBEdit::DataField() const {
    return Widen(link_.FieldName());
}

void TDBEdit::SetDataField(const std::wstring& field) {
    link_.SetFieldName(Narrow(field));
}

// A buffered box keeps typed text while the current record's fields or
// state change under it (its owner writing them, or a refused write being
// dropped); another record or result always shows its stored text.
void TDBEdit::DataChange() {
    bool otherRecord = event_ == TDataEvent::deRecordChange || event_ == TDataEvent::deDataSetChange;
    event_ = TDataEvent::deDataSetChange;
    if (buffered_ && !otherRecord && Modified()) return;
    Reset();
}

void TDBEdit::Reset() {
    SetTextQuietly(Widen(link_.FieldText()));
    SetModified(false);
}

bool TDBEdit::CanChange() {
    return buffered_ ? link_.HasRecord() : link_.Edit();
}

void TDBEdit::Change() {
    if (!buffered_ && !SettingText()) link_.SetFieldText(Narrow(Text()));
    TCustomEdit::Change();
}

} // namespace yq
