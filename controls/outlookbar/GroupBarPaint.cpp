// TCustomDCGroupBar: the frame and the captions in every state.
#include "GroupBar.h"

#include "OutBarGroup.h"
#include "OutBarGroupEdit.h"

namespace yq {

namespace {

void Line(TCanvas& canvas, TColor color, std::initializer_list<POINT> points) {
    canvas.Pen().SetColor(color);
    auto it = points.begin();
    canvas.MoveTo(it->x, it->y);
    for (++it; it != points.end(); ++it)
        canvas.LineTo(it->x, it->y);
}

UINT AlignmentFormat(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return DT_LEFT;
    case TAlignment::taRightJustify:
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

} // namespace

void TCustomDCGroupBar::Paint() {
    TCanvas& canvas = Canvas();
    DrawFrame(canvas, ContentArea());
    for (int i = 0; i < GroupCount(); ++i)
        DrawCaption(canvas, i);
}

void TCustomDCGroupBar::DrawFrame(TCanvas& canvas, const RECT& content) {
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        RECT client = ClientRect();
        if (HDC dc = canvas.Handle())
            ::DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT | (ctl3D_ ? 0 : BF_FLAT));
    }
    if (ActiveGroup()) {
        if (ctl3D_ && borderStyle_ == TBorderStyle::bsSingle)
            Line(canvas, clBlack,
                 {{content.left - 1, content.bottom - 1}, {content.left - 1, content.top - 1}});
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(content);
    }
}

void TCustomDCGroupBar::DrawCaption(TCanvas& canvas, int index) {
    TDCOutBarGroup* group = Groups(index);
    const RECT r = CaptionRect(index);
    if (DoGroupDraw(group, r)) return;
    HDC dc = canvas.Handle();
    if (!dc) return;
    const bool pressed = pressedLook_ && pressedIndex_ == index;
    const bool hot = index == hotIndex_;
    const bool open = index == activeIndex_;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);

    RECT edge = r;
    ::DrawEdge(dc, &edge, pressed ? EDGE_ETCHED : BDR_RAISEDINNER, BF_RECT);
    RECT r1 = r;
    InflateRect(&r1, -1, -1);
    RECT face = r1;
    if (pressed) {
        Line(canvas, clBlack,
             {{r1.left - 2, r1.bottom}, {r1.left - 2, r1.top - 1}, {r1.right + 1, r1.top - 1}});
        Line(canvas, clGray, {{r1.left - 1, r1.bottom - 1}, {r1.left - 1, r1.top}, {r1.right, r1.top}});
        face.top += 1;
    } else if (!flatGroups_ || hot) {
        Line(canvas, clGray, {{r1.left - 2, r1.bottom}, {r1.left - 2, r1.top - 1}});
        Line(canvas, clBlack, {{r1.left - 1, r1.bottom}, {r1.right, r1.bottom}, {r1.right, r1.top - 2}});
        Line(canvas, clGray,
             {{r1.left, r1.bottom - 1}, {r1.right - 1, r1.bottom - 1}, {r1.right - 1, r1.top - 1}});
        face.right -= 1;
        face.bottom -= 1;
    } else if (open) {
        Line(canvas, clBlack, {{r1.left - 2, r1.bottom}, {r1.right + 1, r1.bottom}});
    }
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(group->Color());
    canvas.FillRect(face);

    RECT text = r1;
    if (pressed) OffsetRect(&text, 1, 1);
    TColor color = group->Font().Color();
    if (hot && hotTrack_) color = hotColor_;
    if (!group->Enabled()) color = clGrayText;
    {
        TSelectObject font(dc, group->Font().Handle());
        const COLORREF oldColor = SetTextColor(dc, ColorToRGB(color));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        const std::wstring& caption = group->Caption();
        ::DrawTextW(dc, caption.c_str(), int(caption.size()), &text,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX |
                        AlignmentFormat(group->CaptionAlignment()));
        SetBkMode(dc, oldMode);
        SetTextColor(dc, oldColor);
    }

    // The gap below the caption; none between the open caption and its
    // content, none below the bottom caption.
    const RECT gap{r.left - 1, r.bottom, r.right, r.bottom + buttonSpace_};
    const bool lastBelowOpen = activeIndex_ >= 0 && index > activeIndex_ && index == GroupCount() - 1;
    if (!open && !lastBelowOpen && buttonSpace_ > 0) {
        canvas.Brush().SetColor(buttonSpaceColor_);
        canvas.FillRect(gap);
    }
    if (open && borderStyle_ == TBorderStyle::bsSingle && ctl3D_)
        Line(canvas, clBlack, {{gap.left, gap.bottom - 1}, {gap.left, gap.bottom - buttonSpace_ - 1}});
}

// Draws one caption straight to the window (outside painting).
void TCustomDCGroupBar::RedrawCaption(int index) {
    if (index < 0 || index >= GroupCount() || !HandleAllocated() || Destroying()) return;
    RECT r = CaptionRect(index);
    r.left -= 1; // the lines left of the caption and its gap
    r.bottom += buttonSpace_;
    InvalidateRect(Handle(), &r, FALSE);
    Update();
}

void TCustomDCGroupBar::DrawFrameNow(const RECT& content) {
    if (!HandleAllocated()) return;
    TWindowDC dc(Handle());
    TCanvas canvas;
    canvas.SetHandle(dc.Get());
    DrawFrame(canvas, content);
    canvas.SetHandle(nullptr);
}

} // namespace yq
