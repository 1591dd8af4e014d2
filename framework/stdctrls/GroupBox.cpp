#include "GroupBox.h"

#include "GdiObjects.h"

namespace yq {

YQ_CLASS_INFO(TCustomGroupBox, TWinControl)
YQ_CLASS_INFO(TGroupBox, TCustomGroupBox)

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 105);
    ControlStyle = csAcceptsControls | csSetCaption | csDoubleClicks;
    parentColor_ = true;
}

void TCustomGroupBox::CreateParamsFor(CreateParams& params) {
    TWinControl::CreateParamsFor(params);
    params.superclass = L"BUTTON";
    params.style |= BS_GROUPBOX;
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) const {
    // The caption line is a text height; the frame is 2 pixels wide.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontPtr()->Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    rect.top += tm.tmHeight;
    InflateRect(&rect, -2, -2);
    if (rect.bottom < rect.top) rect.bottom = rect.top;
}

void TCustomGroupBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND: {
        // The group box leaves its inside to the parent; fill it with Color.
        RECT r = ClientRect();
        ::FillRect(reinterpret_cast<HDC>(message.WParam), &r, ColorBrush().Handle());
        message.Result = 1;
        return;
    }
    case WM_NCHITTEST:
        // The platform's group box is transparent to the mouse; ours holds
        // its children and takes the mouse like any container.
        message.Result = HTCLIENT;
        return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        message.Result = reinterpret_cast<LRESULT>(ColorBrush().Handle());
        return;
    }
    default:
        TWinControl::WndProc(message);
    }
}

} // namespace yq
