#include "ListCaptionEdit.h"

namespace yq {

YQ_CLASS_INFO(TDCListCaptionEdit, TCustomMemo)

TDCListCaptionEdit::TDCListCaptionEdit(TComponent* owner) : TCustomMemo(owner) {
    SetVisible(false);
    SetBorderStyle(TBorderStyle::bsNone);
    SetWantReturns(false);
}

void TDCListCaptionEdit::Start(const std::wstring& text) {
    SetText(text);
    SetModified(false);
    active_ = true;
}

void TDCListCaptionEdit::Finish(bool accept) {
    if (!active_) return;
    active_ = false;
    if (OnDone) OnDone(accept);
}

void TDCListCaptionEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        return;
    case WM_KEYDOWN:
        if (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE) {
            Finish(message.WParam == VK_RETURN);
            return;
        }
        break;
    case WM_CHAR:
        // Enter and Esc end the edit; their characters would only beep.
        if (message.WParam == L'\r' || message.WParam == L'\n' || message.WParam == 0x1B) return;
        break;
    }
    TCustomMemo::WndProc(message);
}

void TDCListCaptionEdit::DoExit() {
    TCustomMemo::DoExit();
    Finish(true);
}

} // namespace yq
