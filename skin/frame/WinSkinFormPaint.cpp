// TWinSkinForm: painting the frame, the caption and its buttons, and the
// window's shape from the transparent border pixels.
#include "WinSkinForm.h"

#include "CaptionText.h"
#include "Guard.h"
#include "SkinObjectDraw.h"
#include "SkinText.h"
#include "SkinTransform.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"

#include <algorithm>

namespace yq {

namespace {

// Tolerance of the key colour when a border cuts the window.
constexpr int kRegionTolerance = 1;

void CopyPicture(HDC dc, int x, int y, const TBitmap* picture) {
    if (picture)
        BitBlt(dc, x, y, picture->Width(), picture->Height(), picture->Canvas().Handle(), 0, 0, SRCCOPY);
}

} // namespace

int TWinSkinForm::FrameIndexOf(const TDataSkinObject& border) const {
    return IsActive || border.FrameCount <= 1 ? 1 : 2;
}

void TWinSkinForm::PaintFrame() {
    RECT window{};
    GetWindowRect(Handle, &window);
    HDC dc = GetWindowDC(Handle);
    if (!dc) return;
    Guarded([&] { PaintFrameTo(dc, window.right - window.left, window.bottom - window.top); },
            TGuardPolicy::gpDrop);
    ReleaseDC(Handle, dc);
    for (const auto& b : SysButtons)
        b->ButtonState = TNCButtonState::bsNormal;
    if (MenuBar) {
        for (const auto& b : MenuBar->Buttons)
            if (!menuTracking_) b->ButtonState = TNCButtonState::bsNormal;
        MenuBar->MdiIcon.ButtonState = TNCButtonState::bsNormal;
    }
    if (!menuTracking_) HotObject = nullptr;
}

void TWinSkinForm::PaintFrameTo(HDC dc, int w, int h) {
    const auto left = BuildBorder(SkinData->Left(), {0, 0, BorderLeft, h}, false);
    const auto right = BuildBorder(SkinData->Right(), {w - BorderRight, 0, w, h}, false);
    const auto bottom =
        BuildBorder(SkinData->Bottom(), {BorderLeft, h - BorderBottom, w - BorderRight, h}, true);
    CopyPicture(dc, 0, 0, left.get());
    CopyPicture(dc, w - BorderRight, 0, right.get());
    CopyPicture(dc, BorderLeft, h - BorderBottom, bottom.get());

    BuildCaptionBuffer(w, left.get(), right.get());
    BitBlt(dc, 0, 0, w, BorderTop, CaptionBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
    if (MenuBar && MenuHeight > 0)
        MenuBar->PaintMenuBar(dc, {BorderLeft, BorderTop, w - BorderRight, BorderTop + MenuHeight});
}

TWinSkinForm::TBorderPiece TWinSkinForm::BuildBorder(const TDataSkinBorder* border, const RECT& r,
                                                     bool vertical) const {
    if (!border) return nullptr;
    return BuildSkinObject(r, *border, FrameIndexOf(*border), {vertical, border->Tile != 1, false});
}

void TWinSkinForm::BuildCaptionBuffer(int w, int h) {
    const auto left = BuildBorder(SkinData->Left(), {0, 0, BorderLeft, h}, false);
    const auto right = BuildBorder(SkinData->Right(), {w - BorderRight, 0, w, h}, false);
    BuildCaptionBuffer(w, left.get(), right.get());
}

// The caption strip starts from the side borders' top rows.
void TWinSkinForm::BuildCaptionBuffer(int w, const TBitmap* left, const TBitmap* right) {
    CaptionBuffer.SetSize(w, BorderTop);
    HDC buffer = CaptionBuffer.Canvas().Handle();
    CopyPicture(buffer, 0, 0, left);
    CopyPicture(buffer, w - BorderRight, 0, right);
    ComposeCaption(w);
}

void TWinSkinForm::PaintCaption() {
    if (!HandlesNonClient() || FrameSuppressed() || CaptionBuffer.Width() == 0) return;
    RECT window{};
    GetWindowRect(Handle, &window);
    if (CaptionBuffer.Width() != window.right - window.left) {
        PaintFrame();
        return;
    }
    Guarded([&] { ComposeCaption(CaptionBuffer.Width()); }, TGuardPolicy::gpDrop);
    HDC dc = GetWindowDC(Handle);
    if (!dc) return;
    BitBlt(dc, 0, 0, CaptionBuffer.Width(), BorderTop, CaptionBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
    ReleaseDC(Handle, dc);
}

void TWinSkinForm::ComposeCaption(int w) {
    HDC dc = CaptionBuffer.Canvas().Handle();
    if (const TDataSkinBorder* top = SkinData->Top())
        DrawSkinObject(dc, {BorderLeft, 0, w - BorderRight, BorderTop}, *top, FrameIndexOf(*top),
                       {true, top->Tile != 1, false});
    DrawCaptionText(dc, w);
    LayoutButtons(w);
    for (const auto& b : SysButtons) {
        if (!b->Visible || b->Picture->Width() == 0 ||
            b->SkinButton.Visibility == CaptionVisibility::MdiControls)
            continue;
        if (IsIconAction(b->SkinButton.Action)) {
            DrawTransparent(dc, b->Bounds, IconPicture, kSkinKeyColour);
            continue;
        }
        int frame = !IsActive && b->FrameCount >= 4 ? 4 : 1;
        if (b->ButtonState != TNCButtonState::bsNormal) frame = int(b->ButtonState);
        DrawSkinFrame(dc, b->Bounds, *b->Picture, true, b->FrameCount, std::min(frame, b->FrameCount));
    }
}

void TWinSkinForm::DrawCaptionText(HDC dc, int w) {
    const TDataSkinTitle* title = SkinData->Title();
    if (!title) return;
    const std::wstring text = L"  " + GetWindowTextWide(Handle) + L" ";
    TSelectObject font(dc, captionFont_.Get());
    TCaptionTextLayout layout;
    layout.Caption = {BorderLeft, 0, w - BorderRight, BorderTop};
    RECT measured = layout.Caption;
    DrawTextW(dc, text.c_str(), int(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    layout.Text = {measured.right - measured.left, measured.bottom - measured.top};
    layout.TextShift = title->Margins.Left;
    layout.TextShiftVert = title->Margins.Top;
    layout.TextRightClip = title->Margins.Right;
    layout.TextAlignment = title->TextAlignment;
    layout.BackLeft = title->TXTBackleft;
    layout.BackRight = title->TXTBackRight;
    layout.RightToLeft = RightToLeft;
    layout.PopupStyle = (OriginalStyle & WS_POPUP) != 0;
    layout.RightButtonsLeft = rightButtonsLeft_;
    layout.DialogFrame = FrameKind == TFrameKind::DialogFrame;
    CaptionTextRect = yq::CaptionTextRect(layout);

    RECT r = CaptionTextRect;
    if (title->Image.Width() > 0)
        DrawSkinBar(dc, {r.left, layout.Caption.top, r.right, layout.Caption.bottom}, title->Image, true,
                    true, 2, IsActive ? 1 : 2, {title->TXTBackleft, 0, title->TXTBackRight, 0});
    r.left += title->TXTBackleft;
    r.right -= title->TXTBackRight;
    if (r.right <= r.left) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(IsActive ? SkinData->TitleTextActive : SkinData->TitleTextNoActive));
    DrawTextW(dc, text.c_str(), int(text.size()), &r,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | (RightToLeft ? DT_RIGHT : DT_LEFT));
}

void TWinSkinForm::LayoutButtons(int w) {
    TCaptionPlace place;
    place.Width = w;
    place.BorderLeft = BorderLeft;
    place.BorderTop = BorderTop;
    place.BorderRight = BorderRight;
    place.MenuHeight = MenuHeight;
    place.MenuBarLeftMargin = SkinData->MenuBar() ? SkinData->MenuBar()->Margins.Left : 0;
    place.RightToLeft = RightToLeft;
    place.TextRect = CaptionTextRect;
    const TCaptionFacts facts = Facts();
    int rightLeft = 0;
    for (const auto& b : SysButtons) {
        const TDataSkinSysButton& s = b->SkinButton;
        b->Visible = CaptionButtonVisible(s.Action, s.Visibility, s.Visibility1, b->Index, facts);
        b->Bounds = {};
        if (!b->Visible || b->Picture->Width() == 0) continue;
        const SIZE size{b->Picture->Width() / std::max(1, b->FrameCount), b->Picture->Height()};
        b->Bounds = CaptionButtonBounds(s.Align, s.XCoord, s.YCoord, size, place);
        if (s.Align == CaptionAlign::Right) rightLeft = std::max<int>(rightLeft, b->Bounds.left);
    }
    rightButtonsLeft_ = rightLeft;
}

void TWinSkinForm::UpdateRegion() {
    if (State == TSkinFormState::Destroyed || !FrameSkinned) return;
    if (MdiKind == TMdiKind::MdiChild && (IsZoomed(Handle) || IsIconic(Handle))) return;
    RECT window{};
    GetWindowRect(Handle, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    if (w <= 0 || h <= 0) return;
    if (w == regionSize_.cx && h == regionSize_.cy && State != TSkinFormState::Changing &&
        MdiKind != TMdiKind::MdiChild)
        return;
    regionSize_ = {w, h};
    const TDataSkinBorder* borders[] = {SkinData->Left(), SkinData->Right(), SkinData->Top(),
                                        SkinData->Bottom()};
    const bool transparent = std::any_of(std::begin(borders), std::end(borders),
                                         [](const TDataSkinBorder* b) { return b && b->Trans; });
    TRegionHandle shape(CreateRectRgn(0, 0, w, h));
    if (transparent && FrameKind != TFrameKind::NoCaption) {
        shape.Reset(CreateRectRgn(BorderLeft, BorderTop, w - BorderRight, h - BorderBottom));
        auto unite = [&](HRGN part) {
            if (part) CombineRgn(shape.Get(), shape.Get(), part, RGN_OR);
        };
        auto strip = [&](const TDataSkinBorder* border, const RECT& r, bool vertical, bool cut) {
            if (r.right <= r.left || r.bottom <= r.top) return;
            const TBorderPiece picture =
                border && border->Trans == 1 && cut ? BuildBorder(border, r, vertical) : nullptr;
            if (picture) {
                TRegionHandle part =
                    CreateRegionFromBitmap(*picture, r.left, r.top, kRegionTolerance, kRegionTolerance,
                                           kRegionTolerance, kSkinKeyColour);
                unite(part.Get());
                return;
            }
            TRegionHandle part(CreateRectRgn(r.left, r.top, r.right, r.bottom));
            unite(part.Get());
        };
        strip(SkinData->Left(), {0, 0, BorderLeft, h}, false, h > 1);
        strip(SkinData->Right(), {w - BorderRight, 0, w, h}, false, h > 1);
        strip(SkinData->Bottom(), {BorderLeft, h - BorderBottom, w - BorderRight, h}, true,
              BorderBottom >= 2);
        const TDataSkinBorder* top = SkinData->Top();
        if (top && top->Trans == 1 && BorderTop > 1 && w > 0) {
            // The caption strip as painted: text and buttons are part of it.
            Guarded([&] { BuildCaptionBuffer(w, h); }, TGuardPolicy::gpDrop);
            TRegionHandle part = CreateRegionFromBitmap(CaptionBuffer, 0, 0, kRegionTolerance,
                                                        kRegionTolerance, kRegionTolerance, kSkinKeyColour);
            unite(part.Get());
        } else {
            strip(nullptr, {BorderLeft, 0, w - BorderRight, BorderTop}, true, false);
        }
    }
    // The window owns the region it is given; keep a copy of our own.
    region_.Reset(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(region_.Get(), shape.Get(), nullptr, RGN_COPY);
    SetWindowRgn(Handle, shape.Release(), TRUE);
}

void TWinSkinForm::DropRegion() {
    CaptionBuffer.SetSize(0, 0);
    region_.Reset();
    regionSize_ = {};
    SetWindowRgn(Handle, nullptr, TRUE);
}

} // namespace yq
