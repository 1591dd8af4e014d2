// The pages of bars (progress, track, scroll, up-down) and of tabs.
#include "GalleryPages.h"
#include "Label.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "ScrollBar.h"
#include "TabControl.h"
#include "Timer.h"
#include "TrackBar.h"
#include "UpDown.h"

namespace yq::gallery {

namespace {

void Caption(TGalleryForm& form, TWinControl* parent, int left, int top, const wchar_t* text) {
    auto* label = new TLabel(&form);
    label->SetCaption(text);
    label->SetBounds(left, top, 340, 14);
    label->SetParent(parent);
}

} // namespace

void BuildBarsPage(TGalleryForm& form, TTabSheet* sheet) {
    Caption(form, sheet, 16, 8, L"进度条 TProgressBar");
    struct Progress {
        const char* name;
        int position;
        bool smooth, enabled;
    } progresses[] = {
        {"pbThird", 30, false, true}, {"pbSmooth", 75, true, true}, {"pbDisabled", 50, false, false}};
    int y = 26;
    for (const Progress& p : progresses) {
        auto* bar = Place<TProgressBar>(form, sheet, p.name, 16, y, 260, 18);
        bar->SetSmooth(p.smooth);
        bar->SetPosition(p.position);
        bar->SetEnabled(p.enabled);
        y += 26;
    }
    auto* vertical = Place<TProgressBar>(form, sheet, "pbVertical", 290, 26, 18, 120);
    vertical->SetOrientation(TProgressBarOrientation::pbVertical);
    vertical->SetPosition(60);

    Caption(form, sheet, 16, 110, L"滑块 TTrackBar");
    auto* track = Place<TTrackBar>(form, sheet, "tbHorizontal", 16, 128, 260, 40);
    track->SetMax(20);
    track->SetPosition(8);
    auto* offTrack = Place<TTrackBar>(form, sheet, "tbDisabled", 16, 172, 260, 40);
    offTrack->SetPosition(3);
    offTrack->SetEnabled(false);
    auto* vTrack = Place<TTrackBar>(form, sheet, "tbVertical", 330, 20, 40, 190);
    vTrack->SetOrientation(TTrackBarOrientation::trVertical);
    vTrack->SetBounds(330, 20, 40, 190);
    vTrack->SetTickMarks(TTickMark::tmBoth);
    vTrack->SetPosition(4);
    track->OnChange = [&form, track, vertical](TComponent*) {
        vertical->SetPosition(track->Position() * 5);
        form.Report(L"滑块：" + std::to_wstring(track->Position()));
    };

    Caption(form, sheet, 400, 8, L"滚动条 TScrollBar");
    auto* hScroll = Place<TScrollBar>(form, sheet, "sbHorizontal", 400, 26, 300, 17);
    hScroll->SetPageSize(20);
    hScroll->SetPosition(30);
    auto* offScroll = Place<TScrollBar>(form, sheet, "sbDisabled", 400, 52, 300, 17);
    offScroll->SetEnabled(false);
    auto* vScroll = Place<TScrollBar>(form, sheet, "sbVertical", 400, 80, 17, 200);
    vScroll->SetKind(TScrollBarKind::sbVertical);
    vScroll->SetBounds(400, 80, 17, 200);
    vScroll->SetLargeChange(10);
    hScroll->OnChange = [&form, hScroll](TComponent*) {
        form.Report(L"滚动条：" + std::to_wstring(hScroll->Position()));
    };

    Caption(form, sheet, 440, 80, L"上下按钮 TUpDown");
    auto* vertUD = Place<TUpDown>(form, sheet, "udVertical", 440, 100, 20, 40);
    vertUD->SetPosition(5);
    auto* horzUD = Place<TUpDown>(form, sheet, "udHorizontal", 480, 100, 40, 20);
    horzUD->SetOrientation(TUDOrientation::udHorizontal);
    horzUD->SetBounds(480, 100, 40, 20);
    auto* offUD = Place<TUpDown>(form, sheet, "udDisabled", 540, 100, 20, 40);
    offUD->SetEnabled(false);
    vertUD->OnUDClick = [&form, vertUD](TComponent*, TUDBtnType b) {
        form.Report(std::wstring(b == TUDBtnType::btNext ? L"向上：" : L"向下：") +
                    std::to_wstring(vertUD->Position()));
    };
}

void BuildTabsPage(TGalleryForm& form, TTabSheet* sheet) {
    Caption(form, sheet, 16, 8, L"标签控件 TTabControl（标签在上，放不下时有箭头）");
    auto* tabs = Place<TTabControl>(form, sheet, "tcTop", 16, 26, 340, 130);
    for (int i = 1; i <= 12; ++i)
        tabs->Tabs().Add(L"标签 " + std::to_wstring(i));
    tabs->SetTabIndex(1);
    auto* inside = new TLabel(&form);
    inside->SetCaption(L"标签控件的内容区");
    RECT display = tabs->DisplayRect();
    inside->SetBounds(display.left + 8, display.top + 8, 200, 14);
    inside->SetTransparent(true);
    inside->SetParent(tabs);
    tabs->OnChange = [&form, tabs](TComponent*) { form.Report(L"标签：" + tabs->Tabs()[tabs->TabIndex()]); };

    Caption(form, sheet, 380, 8, L"标签在下");
    auto* bottom = Place<TTabControl>(form, sheet, "tcBottom", 380, 26, 340, 130);
    bottom->SetTabPosition(TTabPosition::tpBottom);
    bottom->Tabs().Assign({L"春", L"夏", L"秋", L"冬"});
    bottom->SetTabIndex(2);

    struct Nested {
        const char* name;
        TTabPosition position;
        int left;
        const wchar_t* caption;
    } nested[] = {{"pcLeft", TTabPosition::tpLeft, 16, L"标签在左的页面控件"},
                  {"pcRight", TTabPosition::tpRight, 380, L"标签在右的页面控件"}};
    for (const Nested& n : nested) {
        Caption(form, sheet, n.left, 166, n.caption);
        auto* pc = Place<TPageControl>(form, sheet, n.name, n.left, 184, 340, 150);
        pc->SetTabPosition(n.position);
        for (int i = 1; i <= 3; ++i) {
            auto* page = new TTabSheet(&form);
            page->SetCaption(L"第" + std::to_wstring(i) + L"页");
            page->SetPageControl(pc);
            auto* text = new TLabel(&form);
            text->SetCaption(L"这是第 " + std::to_wstring(i) + L" 页的内容");
            text->SetBounds(12, 12, 200, 14);
            text->SetParent(page);
        }
        pc->SetActivePageIndex(1);
    }
}

} // namespace yq::gallery
