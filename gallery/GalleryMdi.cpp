#include "GalleryMdi.h"

#include "Edit.h"
#include "MainMenu.h"

namespace yq::gallery {

YQ_CLASS_INFO(TMdiFrame, TForm)

TMdiFrame::TMdiFrame(TComponent* owner) : TForm(owner) {
    SetName("MdiFrame");
    SetCaption(L"多文档框架");
    FormStyle = TFormStyle::fsMDIForm;
    Position = TPosition::poMainFormCenter;
    SetClientSize(560, 380);
    auto* menu = new TMainMenu(this);
    auto add = [&](TMenuItem* parent, const wchar_t* caption, TNotifyEvent onClick) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        item->OnClick = std::move(onClick);
        parent->Add(item);
        return item;
    };
    TMenuItem* file = add(menu->Items(), L"文件(&F)", nullptr);
    add(file, L"新的子窗口(&N)", [this](TComponent*) { NewChild(); });
    add(file, L"-", nullptr);
    add(file, L"关闭(&C)", [this](TComponent*) { Close(); });
    TMenuItem* window = add(menu->Items(), L"窗口(&W)", nullptr);
    add(window, L"平铺(&T)", [this](TComponent*) { Tile(); });
    add(window, L"层叠(&C)", [this](TComponent*) { Cascade(); });
    WindowMenu = window;
    SetMenu(menu);
    OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    Show();
    for (int i = 0; i < 3; ++i)
        NewChild();
    Cascade();
}

TForm* TMdiFrame::NewChild() {
    auto* child = new TForm(this);
    child->FormStyle = TFormStyle::fsMDIChild;
    child->SetCaption(L"子窗口 " + std::to_wstring(++made_));
    child->SetBounds(0, 0, 260, 160);
    auto* memo = new TMemo(child);
    memo->SetAlign(TAlign::alClient);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->SetText(L"这是多文档框架里的第 " + std::to_wstring(made_) +
                  L" 个子窗口。\r\n最大化它，看标题按钮并进菜单栏。");
    memo->SetParent(child);
    child->Show();
    return child;
}

} // namespace yq::gallery
