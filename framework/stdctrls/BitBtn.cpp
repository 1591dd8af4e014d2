#include "BitBtn.h"

#include "Form.h"
#include "Paint.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TBitBtn, TButton) {
    r.Enum("Kind", &TBitBtn::Kind, &TBitBtn::SetKind,
           {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry",
            "bkIgnore", "bkAll"});
    r.Object("Glyph", &TBitBtn::Glyph);
    r.Int("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs);
    r.Enum("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout,
           {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    r.Int("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin);
    r.Int("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing);
    r.Object("Images", &TBitBtn::Images);
    r.Int("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex);
    r.Int("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex);
}

namespace {

struct KindInfo {
    const wchar_t* caption;
    int modalResult;
};

KindInfo InfoOf(TBitBtnKind kind) {
    switch (kind) {
    case TBitBtnKind::bkOK:
        return {L"确定", mrOk};
    case TBitBtnKind::bkCancel:
        return {L"取消", mrCancel};
    case TBitBtnKind::bkHelp:
        return {L"帮助", mrNone};
    case TBitBtnKind::bkYes:
        return {L"是", mrYes};
    case TBitBtnKind::bkNo:
        return {L"否", mrNo};
    case TBitBtnKind::bkClose:
        return {L"关闭", mrNone};
    case TBitBtnKind::bkAbort:
        return {L"中止", mrAbort};
    case TBitBtnKind::bkRetry:
        return {L"重试", mrRetry};
    case TBitBtnKind::bkIgnore:
        return {L"忽略", mrIgnore};
    case TBitBtnKind::bkAll:
        return {L"全部", mrAll};
    default:
        return {L"", mrNone};
    }
}

void Strokes(TCanvas& c, TColor color, std::initializer_list<POINT> points) {
    c.Pen().SetColor(color);
    c.Pen().SetWidth(2);
    std::vector<POINT> p(points);
    c.Polyline(p.data(), int(p.size()));
}

} // namespace

void MakeKindGlyph(TBitBtnKind kind, TBitmap& glyph) {
    if (kind == TBitBtnKind::bkCustom) {
        glyph.SetSize(0, 0);
        return;
    }
    constexpr TColor kKey = 0x00FF00FF;
    glyph.SetSize(18, 18);
    TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(kKey);
    c.FillRect(RECT{0, 0, 18, 18});
    switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes:
    case TBitBtnKind::bkAll:
        Strokes(c, 0x00008000, {{3, 9}, {7, 13}, {15, 4}});
        if (kind == TBitBtnKind::bkAll) Strokes(c, 0x00008000, {{3, 4}, {7, 8}});
        break;
    case TBitBtnKind::bkCancel:
    case TBitBtnKind::bkNo:
    case TBitBtnKind::bkAbort:
        Strokes(c, 0x000000C0, {{4, 4}, {14, 14}});
        Strokes(c, 0x000000C0, {{14, 4}, {4, 14}});
        break;
    case TBitBtnKind::bkHelp:
        Strokes(c, 0x00A00000, {{5, 6}, {7, 3}, {11, 3}, {13, 6}, {9, 9}, {9, 12}});
        Strokes(c, 0x00A00000, {{9, 14}, {9, 16}});
        break;
    case TBitBtnKind::bkClose:
        c.Pen().SetWidth(1);
        c.Pen().SetColor(0x00404040);
        c.Brush().SetColor(0x0000A0C0);
        c.Rectangle(4, 2, 14, 16);
        Strokes(c, 0x00404040, {{11, 9}, {12, 9}});
        break;
    case TBitBtnKind::bkRetry:
    case TBitBtnKind::bkIgnore:
        Strokes(c, 0x00A06000, {{14, 6}, {11, 3}, {6, 3}, {3, 7}, {3, 11}, {6, 15}, {11, 15}, {14, 12}});
        Strokes(c, 0x00A06000, {{14, 2}, {14, 6}, {10, 6}});
        break;
    default:
        break;
    }
    c.Pen().SetWidth(1);
    // The bottom-left pixel names the transparent colour.
    glyph.SetPixel(0, 17, kKey);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {}

void TBitBtn::CreateParamsFor(CreateParams& params) {
    TButton::CreateParamsFor(params);
    params.style = (params.style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    if (kind == TBitBtnKind::bkCustom) return;
    KindInfo info = InfoOf(kind);
    SetCaption(info.caption);
    SetModalResult(info.modalResult);
    if (kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes) SetDefault(true);
    if (kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo) SetCancel(true);
    MakeKindGlyph(kind, *glyph_);
    numGlyphs_ = 1;
    Invalidate();
}

void TBitBtn::SetGlyph(const TBitmap& glyph) {
    glyph_->Assign(glyph);
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TBitBtn::SetMargin(int margin) {
    margin_ = margin;
    Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void TBitBtn::SetImages(TCustomImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

void TBitBtn::SetImageIndex(int index) {
    imageIndex_ = index;
    Invalidate();
}

void TBitBtn::SetDisabledIndex(int index) {
    disabledIndex_ = index;
    Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

const TBitmap* TBitBtn::Picture(bool disabled, TBitmap& scratch, TButtonState& state) const {
    if (!glyph_->Empty() || !images_) return glyph_.get();
    int index = imageIndex_;
    if (disabled && disabledIndex_ >= 0) {
        index = disabledIndex_;
        state = TButtonState::bsUp; // a picture of its own, drawn as it is
    }
    if (index < 0 || index >= images_->Count()) return glyph_.get();
    constexpr TColor kKey = 0x00FF00FF;
    scratch.SetSize(images_->Width(), images_->Height());
    scratch.Canvas().Brush().SetColor(kKey);
    scratch.Canvas().FillRect(RECT{0, 0, images_->Width(), images_->Height()});
    images_->Draw(scratch.Canvas(), 0, 0, index);
    scratch.SetTransparentColor(kKey);
    return &scratch;
}

void TBitBtn::Click() {
    if (kind_ == TBitBtnKind::bkClose) {
        if (TForm* form = ParentForm()) {
            TWinControl::Click();
            form->Close();
            return;
        }
    }
    TButton::Click();
}

void TBitBtn::WndProc(TMessage& message) {
    switch (message.Msg) {
    case BM_SETSTYLE:
        // An owner-drawn button keeps its style; the default look is ours.
        drawDefault_ = (message.WParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        if (message.LParam) Invalidate();
        message.Result = 0;
        return;
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
        message.Result = TRUE;
        return;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button reports double clicks; press it again.
        message.Msg = WM_LBUTTONDOWN;
        TButton::WndProc(message);
        return;
    default:
        TButton::WndProc(message);
    }
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    int w = r.right - r.left, h = r.bottom - r.top;
    TOffscreen off(w, h);
    TCanvas& c = off.Canvas();
    RECT all{0, 0, w, h};
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool focused = (item.itemState & ODS_FOCUS) != 0;
    bool disabled = (item.itemState & ODS_DISABLED) != 0;
    c.Brush().SetColor(clBtnFace);
    c.FillRect(all);
    RECT face = all;
    if (drawDefault_ || focused) {
        c.Brush().SetColor(clWindowFrame);
        c.FrameRect(face);
        InflateRect(&face, -1, -1);
    }
    if (pressed) {
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(face);
        InflateRect(&face, -1, -1);
    } else {
        DrawFrameControl(off.Dc(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    }
    if (pressed) OffsetRect(&face, 1, 1);
    TButtonFace content;
    content.state = disabled ? TButtonState::bsDisabled : pressed ? TButtonState::bsDown : TButtonState::bsUp;
    TBitmap scratch;
    content.glyph = Picture(disabled, scratch, content.state);
    content.numGlyphs = content.glyph == glyph_.get() ? numGlyphs_ : 1;
    content.layout = layout_;
    content.margin = margin_;
    content.spacing = spacing_;
    content.caption = Caption();
    c.Font().Assign(Font());
    DrawButtonFace(c, face, content);
    if (focused) {
        RECT focus = all;
        InflateRect(&focus, -4, -4);
        c.Brush().SetColor(clBtnFace);
        c.DrawFocusRect(focus);
    }
    off.CopyTo(item.hDC, r.left, r.top);
}

} // namespace yq
