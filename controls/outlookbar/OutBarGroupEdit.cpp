#include "OutBarGroupEdit.h"

#include "GroupBar.h"
#include "OutBarGroup.h"

namespace yq {

YQ_CLASS_INFO(TDCOutBarGroupEdit, TCustomEdit)

TDCOutBarGroupEdit::TDCOutBarGroupEdit(TCustomDCGroupBar* bar) : TCustomEdit(bar), bar_(*bar) {
    SetVisible(false);
    SetBorderStyle(TBorderStyle::bsNone);
}

void TDCOutBarGroupEdit::CreateParamsFor(CreateParams& params) {
    TCustomEdit::CreateParamsFor(params);
    params.style |= WS_BORDER; // a thin line instead of the edit's own border
}

void TDCOutBarGroupEdit::StartEdit(int index, const std::wstring& text, const RECT& r) {
    groupIndex_ = index;
    done_ = false;
    SetText(text);
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    Show();
    if (CanFocus()) SetFocus();
    SelectAll();
}

void TDCOutBarGroupEdit::Commit() {
    if (done_) return;
    done_ = true;
    if (groupIndex_ >= 0 && groupIndex_ < bar_.GroupCount()) bar_.Groups(groupIndex_)->SetCaption(Text());
}

void TDCOutBarGroupEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        TCustomEdit::WndProc(message);
        message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_KEYDOWN:
        if (message.WParam == VK_RETURN) {
            Commit();
            Hide();
            return;
        }
        if (message.WParam == VK_ESCAPE) {
            done_ = true;
            Hide();
            return;
        }
        break;
    case WM_CHAR:
        if (message.WParam == L'\r' || message.WParam == 0x1B) return;
        break;
    }
    TCustomEdit::WndProc(message);
}

void TDCOutBarGroupEdit::DoExit() {
    TCustomEdit::DoExit();
    Commit();
    Hide();
}

} // namespace yq
