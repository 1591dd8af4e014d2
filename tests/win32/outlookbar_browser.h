#pragma once
// The browser window's category bar as its window defines it: six groups
// with captions in 黑体 16, each holding a list with a horizontal gradient
// from #FEE7C5 to white, 黑体 15 navy captions and expanded selection.
// Shared by the rendering test and the benchmark.
#include "OutBar.h"
#include "OutBarGroup.h"

#include <string>

namespace yq::testing {

constexpr TColor Rgb(unsigned rrggbb) {
    return TColor(((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16));
}

inline TDCOutBar* MakeBrowserBar(TWinControl* parent, TComponent* owner) {
    auto* bar = new TDCOutBar(owner);
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
    bar->Font().SetName(L"宋体");
    bar->Font().SetHeight(-13);
    bar->Font().SetColor(clBlack);
    struct Group {
        const wchar_t* caption;
        TColor listColor, highlight;
        bool whiteHighlightFont;
    } groups[] = {
        {L"字词类灯谜", clCream, clWhite, false},
        {L"文化类谜语", clBtnShadow, clWhite, false},
        {L"艺术类谜语", clBtnShadow, clWhite, false},
        {L"地名类谜语", clBtnShadow, clWhite, false},
        {L"人名类谜语", Rgb(0xFEE7C5), Rgb(0xFEE7C5), true},
        {L"带格类谜语", clBtnShadow, clWhite, false},
    };
    for (const Group& g : groups) {
        TDCOutBarGroup* group = bar->AddGroup();
        group->SetCaption(g.caption);
        group->Font().SetName(L"黑体");
        group->Font().SetHeight(-16);
        group->Font().SetColor(clBlack);
        auto* list = static_cast<TDCOutBarVertListView*>(group->List());
        list->SetBackgroundMode(TBackgroundModeGlobal::bkmGradientHorz);
        list->SetGradientBeginColor(Rgb(0xFEE7C5));
        list->SetGradientEndColor(clWhite);
        list->SetBorderStyle(TBorderStyle::bsNone);
        list->Font().SetName(L"黑体");
        list->Font().SetHeight(-15);
        list->Font().SetColor(clNavy);
        list->SetHighlightColor(g.highlight);
        list->SetSelectionType(TSelectionType::stExpanded);
        list->SetViewStyle(TViewStyle::vsSmallIcon);
        list->SetReadOnly(false);
        list->SetParentBackgroundMode(false);
        list->SetParentGradientBeginColor(false);
        list->SetParentGradientEndColor(false);
        list->SetParentHighlightColor(false);
        list->SetParentSelectionType(false);
        list->SetColor(g.listColor);
        if (g.whiteHighlightFont) {
            list->SetHighlightFontColor(clWhite);
            list->SetParentHighlightFontColor(false);
        }
    }
    bar->SetActiveGroupIndex(0);
    return bar;
}

} // namespace yq::testing
