#include "SpeedButton.h"

#include "Paint.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TSpeedButton, TGraphicControl) {
    r.Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex);
    r.Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
    r.Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp);
    r.Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
    r.Object("Glyph", &TSpeedButton::Glyph);
    r.Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
    r.Enum("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout,
           {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    r.Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin);
    r.Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing);
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 23, 22);
    ControlStyle = csCaptureMouse | csDoubleClicks;
    parentColor_ = true;
}

void TSpeedButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    UpdateGroup();
}

void TSpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    // The last button down of a group stays down unless all may be up.
    if (down_ && !allowAllUp_) return;
    down_ = down;
    if (down) UpdateGroup();
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool allow) {
    allowAllUp_ = allow;
    UpdateGroup();
}

void TSpeedButton::UpdateGroup() {
    if (groupIndex_ == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->InheritsFrom("TSpeedButton")) continue;
        auto* other = static_cast<TSpeedButton*>(c);
        if (other->groupIndex_ != groupIndex_) continue;
        other->allowAllUp_ = allowAllUp_;
        if (down_ && other->down_) {
            other->down_ = false;
            other->Invalidate();
        }
    }
}

void TSpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
    glyph_->Assign(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
    margin_ = margin;
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void TSpeedButton::Paint() {
    RECT r = ClientRect();
    TOffscreen off(r.right, r.bottom);
    TCanvas& c = off.Canvas();
    // What the parent painted here already shows through a flat button.
    BitBlt(off.Dc(), 0, 0, r.right, r.bottom, Canvas().Handle(), 0, 0, SRCCOPY);
    if (!flat_) {
        c.Brush().SetColor(Color());
        c.FillRect(r);
    }
    bool sunk = pressed_ || down_;
    RECT face = r;
    if (!flat_) {
        UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (sunk ? DFCS_PUSHED : 0);
        DrawFrameControl(off.Dc(), &face, DFC_BUTTON, state);
        if (down_ && !pressed_) {
            // A button held down shows a checked (dithered) face.
            c.Brush().SetColor(clBtnHighlight);
            c.FillRect(face);
        }
    } else if (sunk || (mouseIn_ && Enabled())) {
        DrawEdge(c, face, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    }
    if (sunk) OffsetRect(&face, 1, 1);
    TButtonFace content;
    content.glyph = glyph_.get();
    content.numGlyphs = numGlyphs_;
    content.layout = layout_;
    content.margin = margin_;
    content.spacing = spacing_;
    content.caption = Caption();
    content.state = !Enabled() ? TButtonState::bsDisabled
                    : down_    ? TButtonState::bsExclusive
                    : pressed_ ? TButtonState::bsDown
                               : TButtonState::bsUp;
    c.Font().Assign(Font());
    DrawButtonFace(c, face, content);
    off.CopyTo(Canvas().Handle());
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    dragging_ = true;
    pressed_ = true;
    Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!dragging_) return;
    RECT r = ClientRect();
    bool inside = PtInRect(&r, POINT{x, y}) != FALSE;
    if (inside != pressed_) {
        pressed_ = inside;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !dragging_) return;
    dragging_ = false;
    RECT r = ClientRect();
    bool inside = PtInRect(&r, POINT{x, y}) != FALSE;
    pressed_ = false;
    if (inside && groupIndex_ != 0) SetDown(!down_ || !allowAllUp_);
    Invalidate();
    if (inside) Click();
}

void TSpeedButton::CMMouseEnter(TMessage& message) {
    TGraphicControl::CMMouseEnter(message);
    mouseIn_ = true;
    if (flat_ && Enabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& message) {
    TGraphicControl::CMMouseLeave(message);
    mouseIn_ = false;
    if (flat_ && Enabled()) Invalidate();
}

void TSpeedButton::CMEnabledChanged(TMessage& message) {
    if (!Enabled()) mouseIn_ = false;
    TGraphicControl::CMEnabledChanged(message);
}

} // namespace yq
