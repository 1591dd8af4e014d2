#include "GalleryForm.h"

#include "Application.h"
#include "Dialogs.h"
#include "GalleryArt.h"
#include "GalleryMdi.h"
#include "GalleryPages.h"
#include "ImgList.h"
#include "MainMenu.h"
#include "Menus.h"
#include "PageControl.h"
#include "StatusBar.h"
#include "ToolBar.h"
#include "WinSkinData.h"

#include <iterator>

#include <shellapi.h>

namespace yq::gallery {

YQ_CLASS_INFO(TGalleryForm, TForm)

namespace {

struct PageInfo {
    const wchar_t* caption;
    void (*build)(TGalleryForm&, TTabSheet*);
};

constexpr PageInfo kPages[] = {
    {L"按钮", &BuildButtonsPage}, {L"选择", &BuildChoicesPage},   {L"编辑", &BuildEditsPage},
    {L"列表", &BuildListsPage},   {L"滑块", &BuildBarsPage},      {L"标签页", &BuildTabsPage},
    {L"数据", &BuildDataPage},    {L"对话框", &BuildDialogsPage},
};

std::wstring FileName(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
    SetName("GalleryForm");
    SetCaption(L"云樵皮肤画廊");
    Position = TPosition::poDesktopCenter;
    SetClientSize(760, 540);
    Font().SetName(L"宋体");
    Font().SetHeight(-12);
    BuildSkin();
    BuildToolBar();
    BuildStatusBar();
    BuildPages();
    BuildContextMenu();
    BuildMainMenu();
    SetClientSize(760, 540);
    ShowPage(1);
    previousOnMessage_ = Application().OnMessage;
    Application().OnMessage = [this](MSG& msg, bool& handled) {
        ShortCutKey(msg, handled);
        if (!handled && previousOnMessage_) previousOnMessage_(msg, handled);
    };
}

TGalleryForm::~TGalleryForm() {
    Application().OnMessage = previousOnMessage_;
}

void TGalleryForm::ShortCutKey(MSG& msg, bool& handled) {
    if (msg.message != WM_KEYDOWN || !HandleAllocated() || GetActiveWindow() != Handle()) return;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (msg.wParam == VK_F5 && !ctrl) {
        ReloadSkin();
        handled = true;
    } else if (msg.wParam == 'O' && ctrl) {
        OpenSkin();
        handled = true;
    }
}

std::wstring TGalleryForm::Apply(const TGalleryOptions& options) {
    std::wstring error;
    if (!options.skinFile.empty()) error = LoadSkinFile(options.skinFile);
    SetSkinActive(!options.unskinned);
    if (!ShowPage(options.page)) ShowPage(1);
    Report(L"");
    return error;
}

void TGalleryForm::BuildSkin() {
    // As the riddle program keeps its skin: the quiz window's settings.
    skinData_ = new TSkinData(this);
    // Settings in as stored ones; Loaded hands the skin to the manager.
    skinData_->BeginLoading();
    skinData_->SetName("SkinData1");
    skinData_->SetDisableTag(99);
    skinData_->SetSkinControls(SetOf(xcMainMenu) | SetOf(xcPopupMenu) | SetOf(xcToolbar) |
                               SetOf(xcControlbar) | SetOf(xcCombo) | SetOf(xcCheckBox) |
                               SetOf(xcRadioButton) | SetOf(xcProgress) | SetOf(xcScrollbar) | SetOf(xcEdit) |
                               SetOf(xcButton) | SetOf(xcBitBtn) | SetOf(xcSpeedButton) | SetOf(xcPanel) |
                               SetOf(xcGroupBox) | SetOf(xcStatusBar) | SetOf(xcTab) | SetOf(xcSystemMenu));
    skinData_->SetSkinFormtype(sfMainform);
    skinData_->SetMenuUpdate(true);
    skinData_->SetMenuMerge(false);
    skinName_ = L"内置皮肤";
    try {
        TByteStream stored = ResourceStream(kEmbeddedSkinResource);
        skinData_->ReadSkinStream(stored);
    } catch (const std::exception&) {
        skinName_ = L"内置皮肤（无法读取）";
    }
    skinData_->SetActive(true);
    skinData_->EndLoading();
}

std::wstring TGalleryForm::LoadSkinFile(const std::wstring& path) {
    std::wstring error;
    try {
        skinData_->SetSkinFile(path);
        if (skinData_->SkinEmpty()) error = L"“" + path + L"”不是可以使用的皮肤文件。";
    } catch (const std::exception& e) {
        error = L"读取皮肤文件“" + path + L"”时出错：" + std::wstring(e.what(), e.what() + strlen(e.what()));
    }
    skinName_ = error.empty() ? FileName(path) : L"（皮肤文件有误）";
    skinFile_ = path;
    UpdateStatus();
    return error;
}

void TGalleryForm::ReloadSkin() {
    if (skinFile_.empty()) {
        Report(L"内置皮肤不用重新载入");
        return;
    }
    std::wstring error = LoadSkinFile(skinFile_);
    if (!error.empty()) {
        MessageDlg(error, TMsgDlgType::mtError, mbOK);
        return;
    }
    Report(L"重新载入了：" + skinName_);
}

void TGalleryForm::SetSkinActive(bool active) {
    skinData_->SetActive(active);
    if (skinButton_) skinButton_->SetDown(active);
    Report(active ? L"皮肤已启用" : L"皮肤已停用");
    UpdateStatus();
}

void TGalleryForm::BuildToolBar() {
    auto* images = new TImageList(this);
    images->SetName("ToolImages");
    FillImageList(*images, 16);
    toolBar_ = new TToolBar(this);
    toolBar_->SetName("ToolBar1");
    toolBar_->SetParent(this);
    toolBar_->SetImages(images);
    toolBar_->SetShowCaptions(true);
    toolBar_->SetList(true);
    toolBar_->SetHeight(26);
    auto button = [&](const char* name, const wchar_t* caption, TGlyph glyph, TToolButtonStyle style) {
        auto* b = new TToolButton(this);
        b->SetName(name);
        b->SetCaption(caption);
        b->SetImageIndex(int(glyph));
        b->SetStyle(style);
        b->SetParent(toolBar_);
        return b;
    };
    button("tbOpen", L"打开皮肤", TGlyph::gOpen, TToolButtonStyle::tbsButton)->OnClick = [this](TComponent*) {
        OpenSkin();
    };
    button("tbReload", L"重新载入", TGlyph::gReload, TToolButtonStyle::tbsButton)->OnClick =
        [this](TComponent*) { ReloadSkin(); };
    skinButton_ = button("tbSkin", L"皮肤", TGlyph::gSkin, TToolButtonStyle::tbsCheck);
    skinButton_->OnClick = [this](TComponent*) { SetSkinActive(skinButton_->Down()); };
    button("tbSep1", L"", TGlyph::gCount, TToolButtonStyle::tbsSeparator);
    button("tbPrev", L"上一页", TGlyph::gPrev, TToolButtonStyle::tbsButton)->OnClick = [this](TComponent*) {
        NextPage(false);
    };
    button("tbNext", L"下一页", TGlyph::gNext, TToolButtonStyle::tbsButton)->OnClick = [this](TComponent*) {
        NextPage(true);
    };
    button("tbSep2", L"", TGlyph::gCount, TToolButtonStyle::tbsSeparator);
    TToolButton* dialogs = button("tbDialogs", L"对话框", TGlyph::gDialog, TToolButtonStyle::tbsDropDown);
    auto* menu = new TPopupMenu(this);
    menu->SetName("DialogMenu");
    struct Item {
        const wchar_t* caption;
        void (TGalleryForm::*open)();
    } items[] = {{L"平台消息框", &TGalleryForm::ShowPlatformMessageBox},
                 {L"框架消息窗", &TGalleryForm::ShowFrameworkMessageForm},
                 {L"输入框", &TGalleryForm::ShowInputBox},
                 {L"平台对话框", &TGalleryForm::ShowPlatformDialog},
                 {L"标记 99 的窗口", &TGalleryForm::ShowTag99Form}};
    for (const Item& it : items) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(it.caption);
        auto open = it.open;
        item->OnClick = [this, open](TComponent*) { (this->*open)(); };
        menu->Items()->Add(item);
    }
    dialogs->SetDropdownMenu(menu);
    dialogs->OnClick = [this](TComponent*) { ShowPage(int(std::size(kPages))); };
}

void TGalleryForm::BuildStatusBar() {
    statusBar_ = new TStatusBar(this);
    statusBar_->SetName("StatusBar1");
    statusBar_->SetParent(this);
    statusBar_->SetHeight(22);
    const int widths[] = {200, 180, 200};
    for (int w : widths)
        statusBar_->Panels().Add()->SetWidth(w);
}

void TGalleryForm::BuildPages() {
    pages_ = new TPageControl(this);
    pages_->SetName("PageControl1");
    pages_->SetParent(this);
    pages_->SetAlign(TAlign::alClient);
    int n = 0;
    for (const PageInfo& page : kPages) {
        auto* sheet = new TTabSheet(this);
        sheet->SetName("TabSheet" + std::to_string(++n));
        sheet->SetCaption(page.caption);
        sheet->SetPageControl(pages_);
        page.build(*this, sheet);
    }
    pages_->OnChange = [this](TComponent*) { UpdateStatus(); };
}

void TGalleryForm::BuildContextMenu() {
    contextMenu_ = new TPopupMenu(this);
    contextMenu_->SetName("ContextMenu");
    auto* images = new TImageList(this);
    images->SetName("MenuImages");
    FillImageList(*images, 16);
    contextMenu_->SetImages(images);
    auto add = [&](TMenuItem* parent, const wchar_t* caption, TGlyph glyph, TNotifyEvent onClick) {
        auto* item = new TMenuItem(contextMenu_);
        item->SetCaption(caption);
        item->SetImageIndex(glyph == TGlyph::gCount ? -1 : int(glyph));
        item->OnClick = std::move(onClick);
        parent->Add(item);
        return item;
    };
    TMenuItem* root = contextMenu_->Items();
    add(root, L"上一页", TGlyph::gPrev, [this](TComponent*) {
        NextPage(false);
    })->SetShortCut(ShortCut(VK_TAB, scCtrl | scShift));
    add(root, L"下一页", TGlyph::gNext, [this](TComponent*) {
        NextPage(true);
    })->SetShortCut(ShortCut(VK_TAB, scCtrl));
    add(root, L"-", TGlyph::gCount, nullptr);
    TMenuItem* skin =
        add(root, L"启用皮肤", TGlyph::gSkin, [this](TComponent*) { SetSkinActive(!skinData_->Active()); });
    add(root, L"打开皮肤…", TGlyph::gOpen, [this](TComponent*) { OpenSkin(); });
    add(root, L"重新载入皮肤", TGlyph::gReload, [this](TComponent*) { ReloadSkin(); });
    add(root, L"-", TGlyph::gCount, nullptr);
    // The pages as radio items, the one showing checked.
    TMenuItem* pages = add(root, L"页面", TGlyph::gCount, nullptr);
    for (int i = 0; i < pages_->PageCount(); ++i)
        add(pages, pages_->Pages(i)->Caption().c_str(), TGlyph::gCount, [this, i](TComponent*) {
            ShowPage(i + 1);
        })->SetRadioItem(true);
    TMenuItem* dialogs = add(root, L"对话框", TGlyph::gDialog, nullptr);
    add(dialogs, L"平台消息框", TGlyph::gCount, [this](TComponent*) { ShowPlatformMessageBox(); });
    add(dialogs, L"框架消息窗", TGlyph::gCount, [this](TComponent*) { ShowFrameworkMessageForm(); });
    add(dialogs, L"输入框", TGlyph::gCount, [this](TComponent*) { ShowInputBox(); });
    add(dialogs, L"平台对话框", TGlyph::gCount, [this](TComponent*) { ShowPlatformDialog(); });
    add(root, L"不可用的命令", TGlyph::gLantern, nullptr)->SetEnabled(false);
    contextMenu_->OnPopup = [this, skin, pages](TComponent*) {
        skin->SetChecked(skinData_->Active());
        for (int i = 0; i < pages->Count(); ++i)
            pages->Items(i)->SetChecked(i == pages_->ActivePageIndex());
    };
}

void TGalleryForm::CreateParamsFor(CreateParams& params) {
    TForm::CreateParamsFor(params);
    params.exStyle |= WS_EX_ACCEPTFILES;
}

void TGalleryForm::WndProc(TMessage& message) {
    if (message.Msg == WM_DROPFILES) {
        DropFiles(message.WParam);
        message.Result = 0;
        return;
    }
    TForm::WndProc(message);
}

void TGalleryForm::DropFiles(WPARAM wp) {
    auto drop = reinterpret_cast<HDROP>(wp);
    std::wstring path(MAX_PATH, L'\0');
    UINT n = DragQueryFileW(drop, 0, path.data(), UINT(path.size()));
    DragFinish(drop);
    if (n == 0) return;
    path.resize(n);
    std::wstring error = LoadSkinFile(path);
    if (!error.empty()) {
        MessageDlg(error, TMsgDlgType::mtError, mbOK);
        return;
    }
    Report(L"打开了皮肤：" + path);
}

void TGalleryForm::BuildMainMenu() {
    mainMenu_ = new TMainMenu(this);
    mainMenu_->SetName("MainMenu1");
    auto add = [&](TMenuItem* parent, const wchar_t* caption, TNotifyEvent onClick) {
        auto* item = new TMenuItem(mainMenu_);
        item->SetCaption(caption);
        item->OnClick = std::move(onClick);
        parent->Add(item);
        return item;
    };
    TMenuItem* file = add(mainMenu_->Items(), L"文件(&F)", nullptr);
    add(file, L"打开皮肤(&O)…", [this](TComponent*) { OpenSkin(); })->SetShortCut(ShortCut('O', scCtrl));
    add(file, L"重新载入皮肤(&R)", [this](TComponent*) { ReloadSkin(); })->SetShortCut(VK_F5);
    skinItem_ = add(file, L"启用皮肤(&S)", [this](TComponent*) { SetSkinActive(!skinData_->Active()); });
    add(file, L"-", nullptr);
    add(file, L"退出(&X)", [this](TComponent*) { Close(); });
    TMenuItem* pages = add(mainMenu_->Items(), L"页面(&P)", nullptr);
    for (int i = 0; i < pages_->PageCount(); ++i)
        add(pages, pages_->Pages(i)->Caption().c_str(), [this, i](TComponent*) { ShowPage(i + 1); });
    add(pages, L"-", nullptr);
    add(pages, L"不可用的项", nullptr)->SetEnabled(false);
    TMenuItem* go = add(pages, L"跳到(&G)", nullptr);
    add(go, L"第一页(&F)", [this](TComponent*) { ShowPage(1); });
    add(go, L"最后一页(&L)", [this](TComponent*) { ShowPage(pages_->PageCount()); });
    add(go, L"-", nullptr);
    add(go, L"下一页(&N)", [this](TComponent*) { NextPage(true); });
    add(go, L"上一页(&P)", [this](TComponent*) { NextPage(false); });
    TMenuItem* window = add(mainMenu_->Items(), L"窗口(&W)", nullptr);
    add(window, L"新的子窗口(&N)", [this](TComponent*) { MdiFrame()->NewChild(); });
    add(window, L"平铺(&T)", [this](TComponent*) { MdiFrame()->Tile(); });
    add(window, L"层叠(&C)", [this](TComponent*) { MdiFrame()->Cascade(); });
    TMenuItem* help = add(mainMenu_->Items(), L"帮助(&H)", nullptr);
    add(help, L"关于皮肤画廊(&A)…", [this](TComponent*) { ShowAbout(); });
    SetMenu(mainMenu_);
}

TMdiFrame* TGalleryForm::MdiFrame() {
    if (!mdi_) {
        mdi_ = new TMdiFrame(this);
        mdi_->FreeNotification(this);
        Report(L"打开了多文档框架");
    }
    mdi_->Show();
    return mdi_;
}

void TGalleryForm::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mdi_) mdi_ = nullptr;
}

void TGalleryForm::DoContextPopup(POINT mousePos, bool& handled) {
    TForm::DoContextPopup(mousePos, handled);
    if (handled) return;
    POINT screen =
        mousePos.x == -1 && mousePos.y == -1 ? ClientToScreen(POINT{40, 60}) : ClientToScreen(mousePos);
    contextMenu_->Popup(screen.x, screen.y);
    handled = true;
}

bool TGalleryForm::ShowPage(int number) {
    if (number < 1 || number > pages_->PageCount()) return false;
    pages_->SetActivePageIndex(number - 1);
    UpdateStatus();
    return true;
}

void TGalleryForm::NextPage(bool forward) {
    pages_->SelectNextPage(forward);
    UpdateStatus();
}

void TGalleryForm::Report(const std::wstring& text) {
    if (statusBar_->Panels().Count() > 2) statusBar_->Panels()[2]->SetText(text);
}

void TGalleryForm::UpdateStatus() {
    if (!statusBar_ || !pages_) return;
    std::wstring skin = skinData_->Active() ? L"皮肤：" + skinName_ : L"皮肤未启用（" + skinName_ + L"）";
    statusBar_->Panels()[0]->SetText(skin);
    int index = pages_->ActivePageIndex();
    std::wstring page =
        index < 0 ? L"" : L"第 " + std::to_wstring(index + 1) + L" 页：" + pages_->Pages(index)->Caption();
    statusBar_->Panels()[1]->SetText(page);
    if (skinButton_) skinButton_->SetDown(skinData_->Active());
    if (skinItem_) skinItem_->SetChecked(skinData_->Active());
    if (mainMenu_) {
        TMenuItem* pages = mainMenu_->Items()->Items(1);
        for (int i = 0; i < pages_->PageCount() && i < pages->Count(); ++i)
            pages->Items(i)->SetChecked(i == index);
    }
}

} // namespace yq::gallery
