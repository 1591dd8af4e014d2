#include "SkinUpDown.h"

#include "Bitmap.h"
#include "SkinDraw.h"
#include "WinSkinData.h"

#include <vector>

#include <commctrl.h>

namespace yq {

YQ_CLASS_INFO(TSkinUpDown, TSkinControl)

namespace {

constexpr int kButtonFrames = 4; // frames per button in the 8-frame strip
constexpr int kHorizontalShift = 8;

struct TSegment {
    int x1, y1, x2, y2;
};

void Segments(HDC dc, int x, int y, std::initializer_list<TSegment> segments) {
    for (const TSegment& s : segments) {
        MoveToEx(dc, x + s.x1, y + s.y1, nullptr);
        LineTo(dc, x + s.x2, y + s.y2);
    }
}

void Path(HDC dc, int x, int y, std::initializer_list<POINT> points) {
    std::vector<POINT> at;
    for (const POINT& p : points)
        at.push_back({x + p.x, y + p.y});
    Polyline(dc, at.data(), int(at.size()));
}

void DrawPlainArrow(HDC dc, const RECT& r, TUpDownArrow arrow) {
    const int x = r.left + (r.right - r.left) / 2;
    int y = r.top + (r.bottom - r.top) / 2;
    switch (arrow) {
    case TUpDownArrow::udaUp:
        y -= 2;
        Segments(dc, x, y,
                 {{0, 0, 0, -1},
                  {1, 1, 4, 4},
                  {0, 1, 3, 4},
                  {0, 2, 2, 4},
                  {-1, 1, -4, 4},
                  {0, 2, -3, 4},
                  {0, 1, -2, 4}});
        break;
    case TUpDownArrow::udaDown:
        y = y - 2 + 3;
        Segments(dc, x, y,
                 {{0, 0, 0, 1},
                  {1, -1, 4, -4},
                  {0, -1, 3, -4},
                  {0, -2, 2, -3},
                  {-1, -1, -4, -4},
                  {0, -1, -3, -4},
                  {0, -2, -2, -3}});
        break;
    case TUpDownArrow::udaLeft:
        Path(dc, x, y, {{0, 0}, {1, 2}, {1, -2}, {-1, 0}, {1, 2}});
        break;
    case TUpDownArrow::udaRight:
        Path(dc, x, y, {{0, 0}, {-1, 2}, {-1, -2}, {1, 0}, {-1, 2}});
        break;
    }
}

const TDataSkinBorder* ObjectFor(const TSkinData& skin, bool horizontal) {
    const TDataSkinBorder* o = horizontal ? skin.UpDownHorz() : skin.UpDownVert();
    return o && !o->Image.Empty() ? o : nullptr;
}

} // namespace

void DrawUpDownButton(HDC dc, const RECT& r, TUpDownArrow arrow, int state, const TSkinData& skin) {
    const bool horizontal = arrow == TUpDownArrow::udaLeft || arrow == TUpDownArrow::udaRight;
    const TDataSkinBorder* o = ObjectFor(skin, horizontal);
    if (!o) return;
    int frame = state + kButtonFrames * int(arrow);
    if (horizontal) frame -= kHorizontalShift;
    DrawSkinFrame(dc, r, o->Image, true, o->FrameCount, frame);
    if (!o->Image2.Empty()) DrawSkinGlyph(dc, r, o->Image2, true, o->FrameCount, frame);
}

void DrawPlainUpDownButton(HDC dc, const RECT& r, TUpDownArrow arrow, int state, const TSkinData& skin) {
    const bool sunk = state == udsPressed || state == udsHot;
    TBrushHandle fill(CreateSolidBrush(SkinRGB(sunk ? skin.ButtonShadow : skin.ButtonFace)));
    TPenHandle pen(CreatePen(PS_SOLID, 1, SkinRGB(skin.ButtonDkShadow)));
    TSelectObject selectedBrush(dc, fill.Get());
    TSelectObject selectedPen(dc, pen.Get());
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    DrawPlainArrow(dc, r, arrow);
}

bool TSkinUpDown::Horizontal() const {
    return ForceHorizontal == 1 || (GetWindowLongW(Handle, GWL_STYLE) & UDS_HORZ) != 0;
}

int TSkinUpDown::ButtonState(bool cursorOverOther) const {
    if (!Enabled) return udsDisabled;
    if (cursorOverOther) return udsNormal;
    if (Pressed()) return udsPressed;
    if (Hot()) return udsHot;
    return udsNormal;
}

bool TSkinUpDown::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        HandlePaint(m);
        return false;
    case WM_ERASEBKGND:
        if (!Served() && m.WParam) {
            RECT client{};
            GetClientRect(Handle, &client);
            FillRect(reinterpret_cast<HDC>(m.WParam), &client, HBRUSH(GetStockObject(WHITE_BRUSH)));
        }
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallPrevious(m);
        SetMouseBit(msPressed, true);
        PaintWindow(nullptr);
        return false;
    case WM_LBUTTONUP:
        SetMouseBit(msPressed, false);
        CallPrevious(m);
        PaintWindow(nullptr);
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinUpDown::PaintSkin(HDC dc, const RECT& rect) {
    if (!SkinData || !Handle) return;
    RECT r{};
    GetClientRect(Handle, &r);
    if (r.right <= 0 || r.bottom <= 0) return;
    TBitmap picture(r.right, r.bottom);
    HDC pdc = picture.Canvas().Handle();
    FillFace(pdc, r);
    if (Embedded) InflateRect(&r, -1, -1);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Handle, &cursor);
    Enabled = (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) == 0;

    const bool horizontal = Horizontal();
    RECT first = r, second = r;
    bool overFirst = false;
    TUpDownArrow arrows[2];
    if (horizontal) {
        const int half = (r.right - r.left) / 2;
        first.right = second.left = r.left + half;
        overFirst = cursor.x < half;
        arrows[0] = TUpDownArrow::udaLeft;
        arrows[1] = TUpDownArrow::udaRight;
    } else {
        const int half = (r.bottom - r.top) / 2;
        first.bottom = second.top = r.top + half;
        overFirst = cursor.y < half;
        arrows[0] = TUpDownArrow::udaUp;
        arrows[1] = TUpDownArrow::udaDown;
    }
    const bool skinned = ObjectFor(*SkinData, horizontal) != nullptr;
    const struct {
        RECT r;
        TUpDownArrow arrow;
        int state;
    } buttons[] = {{first, arrows[0], ButtonState(!overFirst)}, {second, arrows[1], ButtonState(overFirst)}};
    for (const auto& b : buttons) {
        if (skinned)
            DrawUpDownButton(pdc, b.r, b.arrow, b.state, *SkinData);
        else
            DrawPlainUpDownButton(pdc, b.r, b.arrow, b.state, *SkinData);
    }
    BitBlt(dc, rect.left, rect.top, picture.Width(), picture.Height(), pdc, 0, 0, SRCCOPY);
}

} // namespace yq
