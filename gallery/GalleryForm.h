#pragma once
// TGalleryForm: the skin gallery's main window.  A tool bar, a page
// control with one page per family of controls in their interesting
// states, and a status bar with a size grip; a context menu; the skin
// component SkinData1 (our built-in skin, or a skin file, opened from the
// tool bar or dropped on the window) that the skin engine paints every
// window from.  Every control is owned by the form.
#include "Form.h"
#include "GalleryOptions.h"

#include <functional>
#include <string>

namespace yq {
class TMainMenu;
class TMenuItem;
class TPageControl;
class TPopupMenu;
class TSkinData;
class TStatusBar;
class TToolBar;
class TToolButton;
} // namespace yq

namespace yq::gallery {

class TMdiFrame;

class TGalleryForm : public TForm {
    YQ_CLASS(TGalleryForm, TForm)
public:
    explicit TGalleryForm(TComponent* owner = nullptr);
    ~TGalleryForm() override;

    // Takes the command line's choices: a skin file (the error text when it
    // cannot be read, the built-in skin staying), the page, the skin off.
    std::wstring Apply(const TGalleryOptions& options);

    TPageControl* Pages() const { return pages_; }
    TSkinData* SkinData1() const { return skinData_; }
    TStatusBar* StatusBar() const { return statusBar_; }
    TToolBar* ToolBar() const { return toolBar_; }
    TPopupMenu* ContextMenu() const { return contextMenu_; }
    TMainMenu* MainMenu() const { return mainMenu_; }
    // The MDI frame, opened on first use.
    TMdiFrame* MdiFrame();

    // Shows page `number` (from 1); false when there is no such page.
    bool ShowPage(int number);
    void NextPage(bool forward);
    // Loads a skin file into SkinData1; the error text, or "" when loaded.
    std::wstring LoadSkinFile(const std::wstring& path);
    // Reads the skin file again (after its author changed it).
    void ReloadSkin();
    void SetSkinActive(bool active);
    // A line in the status bar about what the user just did.
    void Report(const std::wstring& text);

    // The windows the dialog page opens.
    void OpenSkin();
    void ShowPlatformMessageBox();
    void ShowFrameworkMessageForm();
    void ShowInputBox();
    void ShowPlatformDialog();
    void ShowTag99Form();
    void ShowAbout();
    void OpenMdiFrame() { MdiFrame(); }

protected:
    void DoContextPopup(POINT mousePos, bool& handled) override;
    // A skin file dropped on the window is loaded.
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildToolBar();
    void BuildStatusBar();
    void BuildPages();
    void BuildContextMenu();
    void BuildMainMenu();
    void BuildSkin();
    void UpdateStatus();
    void DropFiles(WPARAM drop);
    // The menu's shortcuts (F5, Ctrl+O) while the gallery is the active
    // window, from the application's message filter.
    void ShortCutKey(MSG& msg, bool& handled);

    TToolBar* toolBar_ = nullptr;
    TToolButton* skinButton_ = nullptr;
    TPageControl* pages_ = nullptr;
    TStatusBar* statusBar_ = nullptr;
    TPopupMenu* contextMenu_ = nullptr;
    TSkinData* skinData_ = nullptr;
    TMainMenu* mainMenu_ = nullptr;
    TMenuItem* skinItem_ = nullptr;
    TMdiFrame* mdi_ = nullptr;
    std::wstring skinName_;
    std::wstring skinFile_; // the skin file in use; empty for the built-in skin
    std::function<void(MSG&, bool&)> previousOnMessage_;
};

} // namespace yq::gallery
