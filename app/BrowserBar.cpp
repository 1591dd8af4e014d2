#include "BrowserBar.h"

#include "OutBarGroup.h"
#include "OutBarVertListView.h"
#include "WindowLook.h"

namespace yq {

namespace {

using look::Rgb;
using look::SetFontLook;

struct GroupLook {
    TColor listColor, highlight;
    bool whiteHighlightFont;
};

constexpr GroupLook kGroupLooks[] = {
    {clCream, clWhite, false},     {clBtnShadow, clWhite, false},        {clBtnShadow, clWhite, false},
    {clBtnShadow, clWhite, false}, {Rgb(0xFEE7C5), Rgb(0xFEE7C5), true}, {clBtnShadow, clWhite, false},
};

void SetupList(TDCOutBarVertListView& list, const GroupLook& look) {
    list.SetBackgroundMode(TBackgroundModeGlobal::bkmGradientHorz);
    list.SetGradientBeginColor(Rgb(0xFEE7C5));
    list.SetGradientEndColor(clWhite);
    list.SetBorderStyle(TBorderStyle::bsNone);
    SetFontLook(list.Font(), L"黑体", 15, clNavy);
    list.SetHighlightColor(look.highlight);
    list.SetSelectionType(TSelectionType::stExpanded);
    list.SetViewStyle(TViewStyle::vsSmallIcon);
    list.SetReadOnly(false);
    // Every setting is the list's own, none follows the bar.
    list.SetParentBackgroundMode(false);
    list.SetParentGradientBeginColor(false);
    list.SetParentGradientEndColor(false);
    list.SetParentHighlightColor(false);
    list.SetParentSelectionType(false);
    list.SetColor(look.listColor);
    if (look.whiteHighlightFont) {
        list.SetHighlightFontColor(clWhite);
        list.SetParentHighlightFontColor(false);
    }
}

} // namespace

TDCOutBar* MakeCategoryBar(TWinControl* parent, TComponent* owner) {
    auto* bar = new TDCOutBar(owner);
    bar->SetName("dctbr1");
    bar->SetParent(parent);
    bar->SetBounds(16, 72, 169, 465);
    bar->SetBorderStyle(TBorderStyle::bsSingle);
    bar->SetCtl3D(false);
    bar->SetButtonSpace(0);
    bar->SetColor(Rgb(0xEAEAEA));
    bar->SetBackgroundMode(TBackgroundModeGlobal::bkmGradientVert);
    bar->SetGradientBeginColor(clWhite);
    bar->SetGradientEndColor(clBtnFace);
    bar->SetHighlightColor(clWhite);
    SetFontLook(bar->Font(), L"宋体", 13, clBlack);
    for (int i = 0; i < int(std::size(kGroupLooks)); ++i) {
        TDCOutBarGroup* group = bar->AddGroup();
        group->SetCaption(kCategoryGroupCaptions[i]);
        SetFontLook(group->Font(), L"黑体", 16, clBlack);
        SetupList(*static_cast<TDCOutBarVertListView*>(group->List()), kGroupLooks[i]);
    }
    bar->SetActiveGroupIndex(0);
    return bar;
}

TDCOutBarVertListView* CategoryList(TDCOutBar& bar, int index) {
    return static_cast<TDCOutBarVertListView*>(bar.Groups(index)->List());
}

} // namespace yq
