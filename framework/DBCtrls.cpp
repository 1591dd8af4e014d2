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
}

TDBEdit::TDBEdit(TComponent* owner) : TCustomEdit(owner) {
    link_.OnDataChange = [this] { DataChange(); };
}

std::wstring TDBEdit::DataField() const {
    return Widen(link_.FieldName());
}

void TDBEdit::SetDataField(const std::wstring& field) {
    link_.SetFieldName(Narrow(field));
}

void TDBEdit::DataChange() {
    SetTextQuietly(Widen(link_.FieldText()));
    SetModified(false);
}

bool TDBEdit::CanChange() {
    return link_.Edit();
}

void TDBEdit::Change() {
    if (!SettingText()) link_.SetFieldText(Narrow(Text()));
    TCustomEdit::Change();
}

} // namespace yq
