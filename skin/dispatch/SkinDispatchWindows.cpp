// TWinSkinForm: the list of control skinners, the class table of child
// windows of bare windows, and the tool-button painter.
#include "SkinBars.h"
#include "SkinBox.h"
#include "SkinButton.h"
#include "SkinCheckBox.h"
#include "SkinComBox.h"
#include "SkinDispatch.h"
#include "SkinEdit.h"
#include "SkinScrollbar.h"
#include "SkinStatusBar.h"
#include "SkinTab.h"
#include "SkinUpDown.h"

#include "Form.h"
#include "Guard.h"
#include "SkinDraw.h"
#include "SkinText.h"
#include "ToolBar.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace yq {

namespace {

constexpr std::size_t kSkin3rdKindLength = 50;

using TMake = std::function<TSkinControl*(TComponent*)>;

template <class T> TMake Maker() {
    return [](TComponent* owner) -> TSkinControl* { return new T(owner); };
}

struct TSkinnerClass {
    const char* name;
    TMake make;
};

const std::vector<TSkinnerClass>& SkinnerClasses() {
    static const std::vector<TSkinnerClass> classes{
        {skinner::kButton, Maker<TSkinButton>()},
        {skinner::kBitButton, Maker<TSkinBitButton>()},
        {skinner::kSpeedButton, Maker<TSkinSpeedButton>()},
        {skinner::kCheckBox, Maker<TSkinCheckBox>()},
        {skinner::kRadioButton, Maker<TSkinRadioButton>()},
        {skinner::kObjImage, Maker<TSkinObjImage>()},
        {skinner::kGroupBox, Maker<TSkinGroupBox>()},
        {skinner::kBox, Maker<TSkinBox>()},
        {skinner::kBoxH, Maker<TSkinBoxH>()},
        {skinner::kSizer, Maker<TSkinSizer>()},
        {skinner::kStatusBar, Maker<TSkinStatusBar>()},
        {skinner::kProgress, Maker<TSkinProgress>()},
        {skinner::kTrackBar, Maker<TSkinTrackBar>()},
        {skinner::kScrollbar, Maker<TSkinScrollbar>()},
        {skinner::kScrollbarH, Maker<TSkinScrollbarH>()},
        {skinner::kScControl, Maker<TSkinScControl>()},
        {skinner::kListView, Maker<TSkinListView>()},
        {skinner::kEdit, Maker<TSkinEdit>()},
        {skinner::kComBox, Maker<TSkinComBox>()},
        {skinner::kUpDown, Maker<TSkinUpDown>()},
        {skinner::kTab, Maker<TSkinTab>()},
        {skinner::kTab31, Maker<TSkinTab31>()},
    };
    return classes;
}

} // namespace

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string Uppered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return out;
}

TSkinControl* MakeSkinner(std::string_view name, TComponent* owner) {
    for (const TSkinnerClass& c : SkinnerClasses())
        if (name == c.name) return c.make(owner);
    return nullptr;
}

bool FindSkin3rdKind(const std::vector<std::string>& list, std::string_view className, std::string& kind) {
    const std::string wanted = Lowered(className) + "=";
    for (const std::string& line : list) {
        const std::string lower = Lowered(line);
        if (lower.compare(0, wanted.size(), wanted) != 0) continue;
        kind = lower.substr(lower.find('=') + 1, kSkin3rdKindLength);
        return true;
    }
    return false;
}

std::string BareWindowSkinner(std::string_view className, DWORD style) {
    const std::string c = Lowered(className);
    if (c == "button") {
        if ((style & 7) == 7) return {};
        if ((style & 3) == 3 || (style & 2) == 2 || (style & 5) == 5) return skinner::kCheckBox;
        if ((style & 9) == 9 || (style & 4) == 4) return skinner::kRadioButton;
        return skinner::kButton;
    }
    if (c == "combobox") return (style & 3) == 1 ? std::string() : skinner::kComBox;
    if (c == "scrollbar") return skinner::kSizer;
    if (c == "#32770") return skinner::kBoxH;
    if (c == "edit") return skinner::kEdit;
    return {};
}

// ---- the list -------------------------------------------------------------------

bool TWinSkinForm::AddSkinControl(TSkinControl* skinner) {
    if (std::find(SkinControlList.begin(), SkinControlList.end(), skinner) != SkinControlList.end())
        return true;
    SkinControlList.push_back(skinner);
    return false;
}

void TWinSkinForm::RemoveSkinControl(TSkinControl* skinner) {
    SkinControlList.erase(std::remove(SkinControlList.begin(), SkinControlList.end(), skinner),
                          SkinControlList.end());
    if (HotButton == skinner) HotButton = nullptr;
}

TSkinControl* TWinSkinForm::FindSkinControlByHandle(HWND window) const {
    for (TSkinControl* s : SkinControlList)
        if (s->Handle == window) return s;
    return nullptr;
}

void TWinSkinForm::ReleaseSkinControls() {
    HotButton = nullptr;
    for (TToolBar* bar : paintedToolBars_) {
        bar->OnCustomDrawButton = nullptr;
        bar->RemoveFreeNotification(this);
        if (!bar->Destroying()) bar->Invalidate();
    }
    paintedToolBars_.clear();
    const std::vector<TSkinControl*> skinners(SkinControlList);
    for (TSkinControl* s : skinners) {
        Guarded([s] { s->Unskin(); }, TGuardPolicy::gpDrop);
        delete s;
    }
    SkinControlList.clear();
}

void TWinSkinForm::FreeDeadSkinControls() {
    const std::vector<TSkinControl*> skinners(SkinControlList);
    for (TSkinControl* s : skinners)
        if (s->State == TSkinControlState::scWindowDestroyed) delete s;
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    paintedToolBars_.erase(std::remove(paintedToolBars_.begin(), paintedToolBars_.end(), component),
                           paintedToolBars_.end());
}

// ---- attaching ----------------------------------------------------------------------

std::string TWinSkinForm::Attach(const std::string& name, TControl* control, bool colour) {
    TSkinControl* s = MakeSkinner(name, control);
    if (!s) return name;
    // Made by the dispatch only for check boxes that take custom glyphs.
    if (auto* glyphs = dynamic_cast<TSkinObjImage*>(s)) glyphs->CustomGlyphMode = 1;
    Guarded(
        [&] {
            if (name == skinner::kSpeedButton)
                s->AttachGraphicControl(this, SkinData, &SharedCanvas);
            else
                s->AttachControl(this, SkinData, colour, &SharedCanvas);
        },
        TGuardPolicy::gpDrop);
    if (!s->Attached) delete s;
    return name;
}

std::string TWinSkinForm::AttachToWindow(const std::string& name, HWND window) {
    TSkinControl* s = MakeSkinner(name, nullptr);
    if (!s) return name;
    const bool attached =
        Guarded([&] { s->AttachWindow(window, SkinData, this, &SharedCanvas); }, TGuardPolicy::gpDrop);
    if (!attached || !s->Attached) delete s;
    return name;
}

std::string TWinSkinForm::SkinChildWindow(HWND window) {
    if (!window || FindSkinControlByHandle(window) || !SkinData) return {};
    const std::string className = Lowered(GetWindowClassName(window));
    if (className == "comboboxex32") {
        HWND first = GetWindow(window, GW_CHILD);
        if (!first || FindSkinControlByHandle(first)) return {};
        return AttachToWindow(skinner::kComBox, first);
    }
    const std::string chosen = BareWindowSkinner(className, DWORD(GetWindowLongW(window, GWL_STYLE)));
    return chosen.empty() ? chosen : AttachToWindow(chosen, window);
}

void TWinSkinForm::SkinControls() {
    if (Form) {
        SkinChildControls(Form);
        return;
    }
    FreeDeadSkinControls();
    for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(child);
}

void TWinSkinForm::ResetHotButton(bool always) {
    auto* button = dynamic_cast<TSkinButton*>(HotButton);
    if (!button) return;
    if (!always && button->Handle) {
        POINT at{};
        GetCursorPos(&at);
        RECT r{};
        GetWindowRect(button->Handle, &r);
        if (PtInRect(&r, at)) return;
    }
    button->MouseLeft();
}

// ---- tool bars ------------------------------------------------------------------------

void TWinSkinForm::PaintToolBars(TToolBar* bar) {
    if (bar->OnCustomDrawButton) return;
    bar->FreeNotification(this);
    paintedToolBars_.push_back(bar);
    bar->OnCustomDrawButton = [this](TToolBar*, TToolButton*, TCanvas& canvas, const RECT& rect,
                                     TCustomDrawState state, unsigned& flags, bool&) {
        const TDataSkinButton* b = SkinData->Buttons();
        if (!b || b->Image.Empty() || State != TSkinFormState::Skinned) return;
        int frame = 0;
        if (state & cdsSelected)
            frame = 2;
        else if (state & (cdsFocused | cdsHot))
            frame = 4;
        else if ((state & cdsDefault) && !(state & (cdsGrayed | cdsDisabled)))
            frame = 1;
        if (!frame) return;
        if (frame == 1 && b->HasNormalColour2) canvas.Font().SetColor(b->NormalColour2);
        if (frame == 4 && b->HasMouseOverColour2) canvas.Font().SetColor(b->MouseOverColour2);
        if (frame == 2 && b->HasPressedColour2) canvas.Font().SetColor(b->PressedColour2);
        RECT face = rect;
        InflateRect(&face, -1, -1);
        DrawSkinImage(canvas.Handle(), face, b->Image, false, false, b->Trans != 0, 5, frame, b->Margins);
        // The face is the skin's; the bar draws glyph and text on it.
        flags |= TBCDRF_NOEDGES;
    };
}

} // namespace yq
