#pragma once
// Which framework classes stand for the kinds of control the skinner
// dispatch names by their role.  This table is the one place that says so.
#include <string_view>

namespace yq {

class TPersistent;

enum class TControlFamily {
    PageControl, // a page control (rule 1)
    TabControl,  // a tab control (rule 6)
    ToolButton,  // a tool button; "with a menu" when it has a drop-down menu
    CheckBox,
    RadioGroup,
    GroupBox,
    RadioButton,
    ToolBar,
    StatusBar,
    ProgressBar,
    ScrollBarControl, // a scroll bar that is a control of its own
    ComboBox,
    PictureButton, // a push button with a glyph
    SpeedButton,
    Panel,
    ListView,
    Memo,
    ListBox,
    Grid,
    PushButton,
    Edit,
    Frame, // a container that owns its components (none in the framework)
    Form,  // a form, here one embedded in another
};

// The framework class (with its descendants) that stands for a family.
std::string_view FamilyClass(TControlFamily family);
bool IsOfFamily(const TPersistent* object, TControlFamily family);

} // namespace yq
