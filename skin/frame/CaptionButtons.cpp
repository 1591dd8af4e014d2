#include "CaptionButtons.h"

namespace yq {

namespace V = CaptionVisibility;

TCaptionCommand CommandOfAction(int action) {
    switch (action) {
    case CaptionAction::Close:
        return TCaptionCommand::Close;
    case CaptionAction::Maximize:
    case CaptionAction::MaximizeAlt:
        return TCaptionCommand::MaximizeToggle;
    case CaptionAction::Minimize:
    case CaptionAction::MinimizeAlt:
        return TCaptionCommand::MinimizeToggle;
    case CaptionAction::SystemMenu:
    case CaptionAction::Icon:
    case CaptionAction::SystemMenuAlt:
        return TCaptionCommand::SystemMenu;
    case CaptionAction::MdiMinimize:
    case CaptionAction::MdiMinimizeAlt:
        return TCaptionCommand::MdiMinimize;
    case CaptionAction::MdiRestore:
    case CaptionAction::MdiRestoreAlt:
        return TCaptionCommand::MdiRestore;
    case CaptionAction::MdiClose:
    case CaptionAction::MdiCloseAlt:
        return TCaptionCommand::MdiClose;
    default:
        return TCaptionCommand::Custom;
    }
}

namespace {

// The codes 1 to 9 that both fields share; `withSystemMenu` adds the
// system-menu condition of the box codes.
bool WindowCondition(int code, const TCaptionFacts& f, bool withSystemMenu) {
    const bool menu = !withSystemMenu || f.SystemMenu;
    switch (code) {
    case V::WhenMaximized:
        return f.Maximized;
    case V::WhenNotMaximized:
        return !f.Maximized;
    case V::WhenActive:
        return f.Active;
    case V::WhenInactive:
        return !f.Active;
    case V::WithMaximizeBox:
        return f.MaximizeBox && menu;
    case V::WithoutMaximizeBox:
        return !f.MaximizeBox;
    case V::WithMinimizeBox:
        return f.MinimizeBox && menu;
    case V::WithoutMinimizeBox:
        return !f.MinimizeBox;
    default:
        return false;
    }
}

// Codes 200 to 2000.
bool ExtendedCondition(int code, int index, const TCaptionFacts& f) {
    if (code == V::DialogFrame) return f.DialogFrame && !f.DialogClass;
    if (code >= V::AlwaysFirst && code <= V::AlwaysLast) return true;
    if (code >= V::AskFirst && code <= V::AskLast) return f.Ask && f.Ask(index) > 0;
    return false;
}

bool First(int action, int v, int index, const TCaptionFacts& f) {
    if (v == V::Shown) return action != CaptionAction::Close || f.SystemMenu;
    if (v == V::MdiControls) return f.MdiChildMaximized;
    if (v >= V::DialogFrame && v <= V::AskLast) return ExtendedCondition(v, index, f);
    return WindowCondition(v, f, true);
}

bool Second(int action, int v1, int v, int index, const TCaptionFacts& f) {
    if (v1 == V::Shown) return true;
    if (v1 == V::MdiControls) return First(action, v, index, f);
    // 200 to 2000 read as the same Visibility codes.
    if (v1 >= V::DialogFrame && v1 <= V::AskLast) return ExtendedCondition(v1, index, f);
    return WindowCondition(v1, f, false);
}

} // namespace

bool CaptionButtonVisible(int action, int visibility, int visibility1, int index,
                          const TCaptionFacts& facts) {
    if (!First(action, visibility, index, facts) || !Second(action, visibility1, visibility, index, facts))
        return false;
    if (action == CaptionAction::Maximize && !facts.MaximizeBox) return false;
    if (action == CaptionAction::Minimize && !facts.MinimizeBox) return false;
    const bool iconLike = action == CaptionAction::SystemMenu || action == CaptionAction::Icon ||
                          action == CaptionAction::SystemMenuAlt;
    return !(iconLike && facts.DialogFrame);
}

RECT CaptionButtonBounds(int align, int xCoord, int yCoord, SIZE size, const TCaptionPlace& p) {
    POINT at{0, 0};
    switch (align) {
    case CaptionAlign::Left:
        at = {xCoord, yCoord};
        break;
    case CaptionAlign::Right:
        at = {p.Width - xCoord, yCoord};
        break;
    case CaptionAlign::BeforeText:
    case CaptionAlign::BeforeTextAlt:
        at = {p.TextRect.left - size.cx - xCoord, yCoord};
        break;
    case CaptionAlign::AfterText:
    case CaptionAlign::AfterTextAlt:
        at = {p.TextRect.right + xCoord, yCoord};
        break;
    case CaptionAlign::MdiControls:
        at.y = p.BorderTop + (p.MenuHeight - size.cy) / 2;
        at.x = p.RightToLeft ? xCoord + p.MenuBarLeftMargin + p.BorderLeft
                             : p.Width - xCoord - p.BorderRight - p.MenuBarLeftMargin;
        break;
    default:
        break;
    }
    return {at.x, at.y, at.x + size.cx, at.y + size.cy};
}

} // namespace yq
