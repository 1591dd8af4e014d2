#pragma once
// TSkinData: the skin engine's root component.  It keeps the compressed
// skin (the SkinStream property, or the file named by SkinFile), the
// settings that say which windows and controls are skinned, and, once a
// skin is loaded, its objects (borders, caption, caption buttons, the
// picture of every kind of control) and colours.
//
// It hands activation to the process-wide skin manager (SkinManage.h):
// Loaded registers it (a sfMainform one installs the manager's hook), the
// Active setter and ApplySkinChange request the manager's switches.
#include "Bitmap.h"
#include "ByteStream.h"
#include "Component.h"
#include "Control.h"
#include "GdiObjects.h"
#include "ImgList.h"
#include "SkinObjects.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace yq {

class TQuickIni;
class TSkinReader;

// Kinds of window parts that can be skinned (bit 0 first).
enum TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcSystemMenu,
    xcFastReport
};
enum TSkinOption { xoMDIScrollbar, xoMenuMerge, xoNCPaint };
enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };

// Sets of the enumerations above, one bit per member.
using TSkinControlTypes = std::uint32_t;
using TSkinOptions = std::uint32_t;
constexpr std::uint32_t SetOf(int member) {
    return 1u << member;
}
constexpr bool InSet(std::uint32_t set, int member) {
    return (set & SetOf(member)) != 0;
}

using TOnFormSkin = std::function<void(TComponent* sender, const std::string& aName, bool& doSkin)>;
class TSkinData;
using TOnSkinControl =
    std::function<void(TComponent* sender, TSkinData* skinData, TControl* form, TControl* control,
                       const std::string& controlClass, TComponent*& skinnedControl)>;
using TOnWindowCreated = std::function<void(TSkinData* sender, HWND wnd, const std::string& className)>;

// Program resources the component uses.
inline constexpr const wchar_t* kMenuGlyphsResource = L"MORVANMENU";  // 64 x 16 bitmap, white transparent
inline constexpr const wchar_t* kEmbeddedSkinResource = L"SKINDATA1"; // RCDATA: the quiz window's SkinStream

// The bytes of an RCDATA resource of the program; empty when it is missing.
TByteStream ResourceStream(const wchar_t* name);

class TSkinData : public TComponent {
    YQ_CLASS(TSkinData, TComponent)
public:
    static constexpr TSkinControlTypes kDefaultSkinControls =
        (SetOf(xcFastReport + 1) - 1) & ~SetOf(xcMenuItem) & ~SetOf(xcFastReport);

    explicit TSkinData(TComponent* owner = nullptr);
    ~TSkinData() override;

    // Published properties.
    bool Active() const { return active_; }
    void SetActive(bool active);
    int DisableTag() const { return disableTag_; }
    void SetDisableTag(int tag) { disableTag_ = tag; }
    TSkinControlTypes SkinControls() const { return skinControls_; }
    void SetSkinControls(TSkinControlTypes controls) { skinControls_ = controls; }
    TSkinOptions Options() const { return options_; }
    void SetOptions(TSkinOptions options) { options_ = options; }
    // Class name to skin kind pairs, "TComboboxex=combobox".
    const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
    void SetSkin3rd(const std::vector<std::string>& list) { skin3rd_ = list; }
    // The same list as lines of text (CR LF), for access by name.
    std::wstring Skin3rdText() const;
    void SetSkin3rdText(const std::wstring& text);
    const std::wstring& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::wstring& path);
    std::wstring SkinStore() const;
    void SetSkinStore(const std::wstring&) {}
    TSkinFormType SkinFormtype() const { return formType_; }
    void SetSkinFormtype(TSkinFormType type) { formType_ = type; }
    std::wstring Version() const { return L"3.02.03.09"; }
    void SetVersion(const std::wstring&) {}
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool update) { menuUpdate_ = update; }
    bool MenuMerge() const { return menuMerge_; }
    void SetMenuMerge(bool merge) { menuMerge_ = merge; }

    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnWindowCreated OnWindowCreated;

    // The SkinStream property: a 4-byte length N, then N bytes of skin blob.
    // Reading loads the skin when N > 0; a stream shorter than N raises
    // std::runtime_error and changes nothing.
    void ReadSkinStream(TByteStream& reader);
    void WriteSkinStream(TByteStream& writer) const;

    // Loads the stored blob; false when the archive is of another version
    // or has no description (the skin stays empty).  Damaged data raises
    // ElzhException, ESkinArchiveError or EInvalidGraphic.
    bool LoadSkin();
    // Decides alone when OnFormSkin is set; otherwise month calendars, and
    // with xcFastReport "Tfr..." classes, are not skinned.
    void ShouldSkinWindow(const std::string& className, bool& doSkin);
    void DoSkinChanged();
    // Makes the manager re-skin every window that uses this skin.
    void ApplySkinChange();
    // The picture an archive entry reference names, during a load; other
    // references (and calls outside a load) clear the bitmap.
    void LoadSkinImage(TBitmap& bitmap, std::string_view reference) const;

    bool SkinEmpty() const { return skinEmpty_; }
    bool FramePaintEnabled = true;
    TBitmap& DefaultIcon() { return defaultIcon_; }
    // 16 x 16 glyphs: restore, maximise, minimise, close.
    TImageList* MenuGlyphs() const { return menuGlyphs_.get(); }
    HBRUSH ButtonFaceBrush() const { return buttonFaceBrush_.Get(); }

    // Colours of the loaded skin, [Colours] of the description.
    TColor ButtonFace = clBtnFace;
    TColor HilightText = clHighlightText;
    TColor Hilight = clHighlight;
    TColor Menubar = clBtnFace;
    TColor Menu = clMenu;
    TColor MenuText = clMenuText;
    TColor ButtonText = clBtnText;
    TColor ButtonHilight = clBtnHighlight;
    TColor ButtonShadow = clBtnShadow;
    TColor ButtonDkShadow = cl3DDkShadow;
    TColor MenuBarText = clMenuText;
    TColor TitleTextActive = clCaptionText;
    TColor TitleTextNoActive = clInactiveCaptionText;

    // Skin objects; nullptr where the loaded skin has none.
    TDataSkinBorder* Left() const { return left_.get(); }
    TDataSkinBorder* Right() const { return right_.get(); }
    TDataSkinBorder* Top() const { return top_.get(); }
    TDataSkinBorder* Bottom() const { return bottom_.get(); }
    TDataSkinTitle* Title() const { return title_.get(); }
    TDataSkinButton* Buttons() const { return buttons_.get(); }
    const std::vector<std::unique_ptr<TDataSkinSysButton>>& SysButtons() const { return sysButtons_; }
    TDataSkinObject* MenuBar() const { return menuBar_.get(); }
    TDataSkinBorder* Progress() const { return progress_.get(); }
    TDataSkinObject* GroupBoxEdge() const { return groupBoxEdge_.get(); }
    TDataSkinBorder* Tabs() const { return tabs_.get(); }
    TDataSkinObject* StatusBarEdges() const { return statusBarEdges_.get(); }
    TDataSkinBorder* ComboButton() const { return comboButton_.get(); }
    TDataSkinObject* SunkEdge() const { return sunkEdge_.get(); }
    TDataSkinObject* ExtraImages() const { return extraImages_.get(); }
    TDataSkinObject* Headerbar() const { return headerbar_.get(); }
    TDataSkinObject* MenuItem() const { return menuItem_.get(); }
    TDataSkinObject* MenuBackground() const { return menuBackground_.get(); }
    TDataSkinObject* Scrollbar() const { return scrollbar_.get(); }
    TDataSkinObject* HorzScroll() const { return horzScroll_.get(); }
    TDataSkinObject* VertScroll() const { return vertScroll_.get(); }
    TDataSkinObject* HorzScrollThumb() const { return horzScrollThumb_.get(); }
    TDataSkinObject* VertScrollThumb() const { return vertScrollThumb_.get(); }
    TDataSkinObject* TrackbarThumbHorz() const { return trackbarThumbHorz_.get(); }
    TDataSkinObject* TrackbarThumbVert() const { return trackbarThumbVert_.get(); }
    TDataSkinBorder* UpDownHorz() const { return upDownHorz_.get(); }
    TDataSkinBorder* UpDownVert() const { return upDownVert_.get(); }

protected:
    void Loaded() override;

private:
    bool Designing() const { return (ComponentState() & csDesigning) != 0; }

    // Reading a description (SkinDataRead.cpp), in ReadSkin's order.
    void ReadSkin(const TQuickIni& ini);
    void ReadBorders(const TQuickIni& ini);
    void ReadColours(const TQuickIni& ini);
    void ReadSysButtons(const TQuickIni& ini);
    void ReadButtons(const TQuickIni& ini);
    void ReadTitle(const TQuickIni& ini);
    void ReadControlObjects(const TQuickIni& ini);
    template <class T>
    std::unique_ptr<T> ReadPictureSection(const TQuickIni& ini, const char* section, const char* pictureKey,
                                          bool readStyle);
    void SetFrameCounts();
    void BuildComboPicture();

    bool active_ = false;
    int disableTag_ = 99;
    TSkinControlTypes skinControls_ = kDefaultSkinControls;
    TSkinOptions options_ = 0;
    std::vector<std::string> skin3rd_;
    std::wstring skinFile_;
    TSkinFormType formType_ = sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;

    bool skinEmpty_ = true;
    TByteStream blob_;
    const TSkinReader* reader_ = nullptr; // during LoadSkin
    TBitmap defaultIcon_;
    std::unique_ptr<TImageList> menuGlyphs_;
    TBrushHandle buttonFaceBrush_;

    std::unique_ptr<TDataSkinBorder> left_, right_, top_, bottom_;
    std::unique_ptr<TDataSkinTitle> title_;
    std::unique_ptr<TDataSkinButton> buttons_;
    std::vector<std::unique_ptr<TDataSkinSysButton>> sysButtons_;
    std::unique_ptr<TDataSkinObject> menuBar_, groupBoxEdge_, statusBarEdges_, sunkEdge_, extraImages_,
        headerbar_, menuItem_, menuBackground_, scrollbar_, horzScroll_, vertScroll_, horzScrollThumb_,
        vertScrollThumb_, trackbarThumbHorz_, trackbarThumbVert_;
    std::unique_ptr<TDataSkinBorder> progress_, tabs_, comboButton_, upDownHorz_, upDownVert_;
};

// The built-in class map: 110 entries, duplicates included.
const std::vector<std::string>& DefaultSkin3rd();

} // namespace yq
