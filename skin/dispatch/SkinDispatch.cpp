// TWinSkinForm: which skinner each framework control of a skinned form gets.
#include "SkinDispatch.h"

#include "Form.h"
#include "Guard.h"
#include "SkinControl.h"
#include "SkinFamilies.h"
#include "SkinScrollbar.h"
#include "ToolBar.h"
#include "WinControl.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <array>

namespace yq {

namespace {

using F = TControlFamily;

bool Has(const TSkinData* skin, int member) {
    return InSet(skin->SkinControls(), member);
}

bool OneOf(const std::string& name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

bool TabsReady(const TSkinData* skin) {
    return Has(skin, xcTab) && skin->Tabs();
}

// The children of a container control, windowed or not.
std::vector<TControl*> ChildrenOf(TControl* control) {
    std::vector<TControl*> out;
    if (auto* w = dynamic_cast<TWinControl*>(control))
        for (int i = 0; i < w->ControlCount(); ++i)
            out.push_back(w->Controls(i));
    return out;
}

// The controls a component owns.
std::vector<TControl*> OwnedControls(TComponent* owner) {
    std::vector<TControl*> out;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* c = dynamic_cast<TControl*>(owner->Components(i))) out.push_back(c);
    return out;
}

} // namespace

void TWinSkinForm::SkinChildControls(TComponent* container) {
    FreeDeadSkinControls();
    if (!container) return;
    for (TControl* c : OwnedControls(container))
        SkinControl(c, container);
}

bool TWinSkinForm::IsScrollingHost(TControl* control) {
    auto* w = dynamic_cast<TWinControl*>(control);
    if (!w) return false;
    if (w->HandleAllocated() && (GetWindowLongW(w->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)))
        return true;
    return IsOfFamily(w, F::Memo) || IsOfFamily(w, F::ListBox) || w->Tag == 55;
}

bool TWinSkinForm::IsSkinned(const TControl* control) const {
    const auto* windowed = dynamic_cast<const TWinControl*>(control);
    for (const TSkinControl* s : SkinControlList) {
        if (s->Served()) {
            if (s->Served() == control) return true;
            continue;
        }
        if (!windowed) continue;
        if (windowed->HandleAllocated()) {
            if (s->Handle == const_cast<TWinControl*>(windowed)->Handle()) return true;
            continue;
        }
        // A control without a window yet: only print previews count as skinned.
        const std::string name = Form ? Form->Name() : std::string();
        return Lowered(name).find("preview") != std::string::npos ||
               OneOf(name, {"TQRStandardPreview", "TppPrintPreview", "TdxfmStdPreview"});
    }
    return false;
}

std::string TWinSkinForm::SkinControl(TControl* control, TComponent* parent) {
    if (!control || !SkinData) return {};
    const std::string n = Uppered(control->ClassName());
    const int disableTag = SkinData->DisableTag();
    if (control->Tag % 100 == disableTag || IsSkinned(control)) return {};
    if (auto* w = dynamic_cast<TWinControl*>(control); w && !w->HandleAllocated()) {
        const bool made = Guarded([w] { w->Handle(); }, TGuardPolicy::gpDrop);
        if (!made || !w->HandleAllocated()) return {};
    }
    bool handled = false;
    std::string chosen = ApplyFrameworkEvent(n, control, parent, handled);
    if (handled) return chosen;
    bool found = false;
    chosen = ApplySkin3rdKind(n, control, found);
    if (found) return chosen;
    if (OneOf(n, {"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE", "TFRPBOX"})) return {};
    return ApplyRules(n, control);
}

std::string TWinSkinForm::ApplyFrameworkEvent(const std::string& n, TControl* control, TComponent* parent,
                                              bool& handled) {
    if (!SkinData->OnSkinControl) return {};
    TComponent* made = nullptr;
    SkinData->OnSkinControl(this, SkinData, dynamic_cast<TControl*>(parent), control, n, made);
    auto* skinner = dynamic_cast<TSkinControl*>(made);
    if (!skinner) return {};
    handled = true;
    if (!AddSkinControl(skinner))
        skinner->AttachControl(this, SkinData, skinner->UseSkinColour, &SharedCanvas);
    if (IsOfFamily(control, F::Panel)) SkinChildControls(control);
    return skinner->ClassName();
}

bool TWinSkinForm::ApplySkin3rd(const std::string& className, TControl* control) {
    bool found = false;
    ApplySkin3rdKind(Uppered(className), control, found);
    return found;
}

std::string TWinSkinForm::ApplySkin3rdKind(const std::string& n, TControl* control, bool& found) {
    std::string kind;
    found = FindSkin3rdKind(SkinData->Skin3rd(), n, kind);
    return found ? ApplyKind(kind, control) : std::string();
}

std::string TWinSkinForm::ApplyKind(const std::string& kind, TControl* control) {
    const TSkinData* s = SkinData;
    auto transparent = [control] { SetPropByName(control, "Transparent", L"True"); };
    if (kind == "combobox") return Has(s, xcCombo) ? Attach(skinner::kComBox, control, false) : "";
    if (kind == "edit") return Has(s, xcEdit) ? Attach(skinner::kEdit, control, false) : "";
    if (kind == "radiobutton")
        return Has(s, xcRadioButton) ? Attach(skinner::kRadioButton, control, false) : "";
    if (kind == "panel") {
        if (!Has(s, xcPanel)) return {};
        transparent();
        return Attach(skinner::kBox, control, true);
    }
    if (kind == "trackbar") {
        if (!Has(s, xcButton)) return {};
        transparent();
        return Attach(skinner::kTrackBar, control, false);
    }
    if (kind == "button") return Has(s, xcButton) ? Attach(skinner::kButton, control, false) : "";
    if (kind == "bitbtn") return Has(s, xcButton) ? Attach(skinner::kBitButton, control, false) : "";
    if (kind == "speedbutton")
        return Has(s, xcSpeedButton) ? Attach(skinner::kSpeedButton, control, false) : "";
    if (kind == "tab") return TabsReady(s) ? Attach(skinner::kTab, control, false) : "";
    if (kind == "progress") return Has(s, xcProgress) ? Attach(skinner::kProgress, control, false) : "";
    if (kind == "scrollbar") {
        if (!Has(s, xcScrollbar)) return {};
        std::string chosen = Attach(skinner::kScrollbar, control, false);
        for (TControl* c : OwnedControls(control))
            SkinControl(c, control);
        return chosen;
    }
    if (kind == "embedscrollbar") {
        if (!Has(s, xcScrollbar)) return {};
        for (TControl* c : ChildrenOf(control)) {
            if (IsSkinned(c)) continue;
            if (IsOfFamily(c, F::ScrollBarControl))
                Attach(skinner::kScControl, c, false);
            else if (IsScrollingHost(c))
                Attach(skinner::kScrollbar, c, false);
        }
        return {};
    }
    if (kind == "container") {
        for (TControl* c : ChildrenOf(control))
            ApplySkin3rd(c->ClassName(), c);
        return {};
    }
    if (kind == "groupbox") return Has(s, xcGroupBox) ? Attach(skinner::kGroupBox, control, true) : "";
    if (kind == "radiogroup" || kind == "checkgroup") {
        const bool radio = kind == "radiogroup";
        if (!Has(s, radio ? xcGroupBox : xcPanel)) return {};
        if (Has(s, radio ? xcRadioButton : xcCheckBox))
            for (TControl* c : ChildrenOf(control))
                if (!IsSkinned(c)) Attach(radio ? skinner::kRadioButton : skinner::kCheckBox, c, false);
        return Has(s, xcGroupBox) ? Attach(skinner::kGroupBox, control, true) : "";
    }
    if (kind == "checkbox") return Has(s, xcCheckBox) ? Attach(skinner::kCheckBox, control, false) : "";
    return {};
}

std::string TWinSkinForm::ApplyRules(const std::string& n, TControl* c) {
    const TSkinData* s = SkinData;
    // 1-6: tabs, tool buttons with a menu, tab sets, tabbed notebooks.
    if (IsOfFamily(c, F::PageControl) && TabsReady(s)) return Attach(skinner::kTab, c, false);
    if (IsOfFamily(c, F::ToolButton) && GetObjectPropByName(c, "DropdownMenu", "TPopupMenu") &&
        Has(s, xcMainMenu))
        return {}; // its menu's items are drawn by the menu skinners
    if (n == "TTABSET" && TabsReady(s)) return Attach(skinner::kTab31, c, false);
    if (n == "TTABBEDNOTEBOOK" && TabsReady(s)) return Attach(skinner::kTab, c, false);
    if (n == "TMVCPANEL") {
        SkinChildControls(c);
        return {};
    }
    if (IsOfFamily(c, F::TabControl) && TabsReady(s)) return Attach(skinner::kTab, c, false);
    // 7-14: check boxes, track bars, up-down buttons, radio groups, group boxes, radio buttons.
    if (IsOfFamily(c, F::CheckBox) && Has(s, xcCheckBox)) return Attach(skinner::kCheckBox, c, false);
    if (n == "TTRACKBAR" && Has(s, xcButton)) return Attach(skinner::kTrackBar, c, false);
    if ((n == "TUPDOWN" || n == "TSPINBUTTON") && Has(s, xcButton)) return Attach(skinner::kUpDown, c, false);
    if (IsOfFamily(c, F::RadioGroup) && Has(s, xcRadioButton)) {
        for (TControl* child : ChildrenOf(c))
            if (!IsSkinned(child)) Attach(skinner::kRadioButton, child, false);
        return Attach(skinner::kGroupBox, c, true);
    }
    if (n == "TDBNAVIGATOR" && Has(s, xcPanel)) {
        SetPropByName(c, "Flat", L"True");
        return Attach(skinner::kBox, c, true);
    }
    if (n == "TRZDBCHECKBOX" && Has(s, xcCheckBox)) return Attach(skinner::kObjImage, c, true);
    if (IsOfFamily(c, F::GroupBox) && Has(s, xcPanel)) {
        std::string chosen = Attach(skinner::kGroupBox, c, true);
        SkinChildControls(c);
        return chosen;
    }
    if (IsOfFamily(c, F::RadioButton) && Has(s, xcRadioButton))
        return Attach(skinner::kRadioButton, c, false);
    // 15-21: tool bars, status bars, progress bars, scroll bars, combo boxes, pickers, rich edits.
    if (IsOfFamily(c, F::ToolBar) && Has(s, xcToolbar)) {
        auto* bar = static_cast<TToolBar*>(c);
        SetPropByName(bar, "Flat", L"True");
        PaintToolBars(bar);
        return Attach(skinner::kBox, c, true);
    }
    if (IsOfFamily(c, F::StatusBar) && Has(s, xcStatusBar)) return Attach(skinner::kStatusBar, c, false);
    if (IsOfFamily(c, F::ProgressBar) && Has(s, xcProgress)) return Attach(skinner::kProgress, c, false);
    if (IsOfFamily(c, F::ScrollBarControl) && Has(s, xcScrollbar))
        return Attach(skinner::kScControl, c, false);
    if (IsOfFamily(c, F::ComboBox) && Has(s, xcCombo)) return Attach(skinner::kComBox, c, false);
    if (n == "TDATETIMEPICKER" && Has(s, xcEdit)) {
        const bool asEdit =
            GetEnumPropName(c, "Kind") == "dtkTime" || GetEnumPropName(c, "DateMode") == "dmUpDown";
        return Attach(asEdit ? skinner::kEdit : skinner::kComBox, c, false);
    }
    if (OneOf(n, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}) && Has(s, xcScrollbar))
        return Attach(skinner::kScrollbar, c, false);
    // 22-24: picture buttons, speed buttons, panels.
    if (IsOfFamily(c, F::PictureButton)) return Has(s, xcBitBtn) ? Attach(skinner::kBitButton, c, false) : "";
    if (IsOfFamily(c, F::SpeedButton) && Has(s, xcSpeedButton))
        return Attach(skinner::kSpeedButton, c, false);
    if (IsOfFamily(c, F::Panel) && Has(s, xcPanel)) {
        std::string chosen = Attach(skinner::kBox, c, true);
        SkinChildControls(c);
        return chosen;
    }
    // 25-29: whatever scrolls.
    if (OneOf(n, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && Has(s, xcScrollbar))
        return Attach(skinner::kScrollbar, c, false);
    if (IsOfFamily(c, F::ListView) && Has(s, xcScrollbar)) return Attach(skinner::kListView, c, false);
    if (Has(s, xcScrollbar) && (IsOfFamily(c, F::Memo) || IsOfFamily(c, F::Grid) || IsScrollingHost(c))) {
        if (!IsOfFamily(c, F::Grid)) return Attach(skinner::kScrollbar, c, false);
        // The grid's own fixed colour comes back with unskinning.
        const auto fixed = TColor(GetIntPropByName(c, "FixedColor"));
        SetPropByName(c, "FixedColor", std::to_wstring(s->ButtonFace));
        std::string chosen = Attach(skinner::kScrollbar, c, false);
        if (auto* bars = dynamic_cast<TSkinScrollbar*>(
                FindSkinControlByHandle(static_cast<TWinControl*>(c)->Handle())))
            bars->KeepFixedColour(fixed);
        return chosen;
    }
    // 30-33: push buttons, edits, containers.
    if (IsOfFamily(c, F::PushButton) && Has(s, xcButton)) return Attach(skinner::kButton, c, false);
    if (IsOfFamily(c, F::Edit) && Has(s, xcEdit)) return Attach(skinner::kEdit, c, false);
    if (n != "TDCEDIT" && n != "TDCDBEDIT") {
        if (IsOfFamily(c, F::Frame)) {
            SkinChildControls(c);
            return {};
        }
        if (IsOfFamily(c, F::Form)) {
            std::string chosen = Attach(skinner::kBox, c, true);
            SkinChildControls(c);
            return chosen;
        }
        return {};
    }
    const long long buttons = GetIntPropByName(c, "NumButtons");
    if (buttons == 1 && Has(s, xcCombo)) return Attach(skinner::kComBox, c, false);
    if (buttons == 0 && Has(s, xcEdit)) return Attach(skinner::kEdit, c, false);
    return {};
}

} // namespace yq
