#include "SkinFamilies.h"

#include "TypeInfo.h"

namespace yq {

namespace {

struct TFamilyClass {
    TControlFamily family;
    const char* className;
};

// A family test is a class test: InheritsFrom(className).
constexpr TFamilyClass kFamilies[] = {
    {TControlFamily::PageControl, "TPageControl"},
    {TControlFamily::TabControl, "TCustomTabControl"},
    {TControlFamily::ToolButton, "TToolButton"},
    {TControlFamily::CheckBox, "TCustomCheckBox"},
    {TControlFamily::RadioGroup, "TCustomRadioGroup"},
    {TControlFamily::GroupBox, "TCustomGroupBox"},
    {TControlFamily::RadioButton, "TRadioButton"},
    {TControlFamily::ToolBar, "TToolBar"},
    {TControlFamily::StatusBar, "TCustomStatusBar"},
    {TControlFamily::ProgressBar, "TProgressBar"},
    {TControlFamily::ScrollBarControl, "TScrollBar"},
    {TControlFamily::ComboBox, "TCustomComboBox"},
    {TControlFamily::PictureButton, "TBitBtn"},
    {TControlFamily::SpeedButton, "TSpeedButton"},
    {TControlFamily::Panel, "TCustomPanel"},
    {TControlFamily::ListView, "TCustomListView"},
    {TControlFamily::Memo, "TCustomMemo"},
    {TControlFamily::ListBox, "TCustomListBox"},
    {TControlFamily::Grid, "TCustomGrid"},
    {TControlFamily::PushButton, "TButton"},
    {TControlFamily::Edit, "TCustomEdit"},
    {TControlFamily::Frame, "TCustomFrame"},
    {TControlFamily::Form, "TForm"},
};

} // namespace

std::string_view FamilyClass(TControlFamily family) {
    for (const TFamilyClass& f : kFamilies)
        if (f.family == family) return f.className;
    return {};
}

bool IsOfFamily(const TPersistent* object, TControlFamily family) {
    return object && object->InheritsFrom(FamilyClass(family));
}

} // namespace yq
