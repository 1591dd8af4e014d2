#pragma once
// Enumerations and event types shared by the outlook bar's classes.
#include "Control.h"
#include "Edit.h" // TBorderStyle

#include <functional>

namespace yq {

class TDCVertListItem;
class TDCOutBarGroup;
class TPopupMenu;

enum class TBackgroundModeGlobal {
    bkmNone,
    bkmGradientHorz,
    bkmGradientVert,
    bkmCenter,
    bkmStretch,
    bkmTile
};
enum class TScrollButtonsPos { spTopAndBottom, spTop, spBottom };
// stStandard frames the icon, stExpanded the whole row.
enum class TSelectionType { stStandard, stExpanded };
// Only vsIcon and vsSmallIcon are shown by the outlook lists.
enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum class TDisplayCode { drBounds, drIcon, drLabel };
enum class TItemChange { ctText, ctImage, ctState };

using TListItemEvent = std::function<void(TComponent* sender, TDCVertListItem* item)>;
using TExecuteItemEvent = std::function<void(TComponent* sender, TDCVertListItem* item, bool& processed)>;
using TPopupMenuEvent =
    std::function<void(TComponent* sender, TDCVertListItem* item, TPopupMenu*& popupMenu)>;
using TBeforeMouseDownEvent = std::function<void(TComponent* sender, int x, int y)>;
using TLVSelectItemEvent = std::function<void(TComponent* sender, TDCVertListItem* item, bool selected)>;
using TLVChangeEvent = std::function<void(TComponent* sender, TDCVertListItem* item, TItemChange change)>;
using TLVChangingEvent =
    std::function<void(TComponent* sender, TDCVertListItem* item, TItemChange change, bool& allowChange)>;
using TLVEditingEvent = std::function<void(TComponent* sender, TDCVertListItem* item, bool& allowEdit)>;
using TLVEditedEvent = std::function<void(TComponent* sender, TDCVertListItem* item, std::wstring& caption)>;

using TGroupChangingEvent =
    std::function<void(TComponent* sender, TDCOutBarGroup* newGroup, bool& allowChange)>;
using TGroupCaptionChangeEvent = std::function<void(TComponent* sender, TDCOutBarGroup* group)>;
using TGroupCaptionChangingEvent = std::function<void(TComponent* sender, TDCOutBarGroup* group,
                                                      const std::wstring& newGroupCaption, bool& canChange)>;
using TGroupDrawEvent =
    std::function<void(TComponent* sender, TDCOutBarGroup* group, const RECT& rect, bool& ownerDraw)>;

} // namespace yq
