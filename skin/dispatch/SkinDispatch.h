#pragma once
// The parts of the control skinner dispatch that stand alone: the skinner
// classes by name, the Skin3rd list lookup and the class table of child
// windows of bare windows.  The rules themselves are TWinSkinForm's
// (SkinControl, SkinChildWindow; SkinDispatch.cpp, SkinDispatchWindows.cpp).
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace yq {

class TComponent;
class TSkinControl;

// Skinner class names the dispatch chooses between.
namespace skinner {
inline constexpr const char* kButton = "TSkinButton";
inline constexpr const char* kBitButton = "TSkinBitButton";
inline constexpr const char* kSpeedButton = "TSkinSpeedButton";
inline constexpr const char* kCheckBox = "TSkinCheckBox";
inline constexpr const char* kRadioButton = "TSkinRadioButton";
inline constexpr const char* kGroupBox = "TSkinGroupBox";
inline constexpr const char* kBox = "TSkinBox";
inline constexpr const char* kBoxH = "TSkinBoxH";
inline constexpr const char* kObjImage = "TSkinObjImage";
inline constexpr const char* kEdit = "TSkinEdit";
inline constexpr const char* kComBox = "TSkinComBox";
inline constexpr const char* kProgress = "TSkinProgress";
inline constexpr const char* kTrackBar = "TSkinTrackBar";
inline constexpr const char* kUpDown = "TSkinUpDown";
inline constexpr const char* kTab = "TSkinTab";
inline constexpr const char* kTab31 = "TSkinTab31";
inline constexpr const char* kStatusBar = "TSkinStatusBar";
inline constexpr const char* kScrollbar = "TSkinScrollbar";
inline constexpr const char* kScrollbarH = "TSkinScrollbarH";
inline constexpr const char* kListView = "TSkinListView";
inline constexpr const char* kScControl = "TSkinScControl";
inline constexpr const char* kSizer = "TSkinSizer";
} // namespace skinner

// A new skinner of the named class owned by `owner`; nullptr for a name
// no skinner class answers to.
TSkinControl* MakeSkinner(std::string_view name, TComponent* owner);

// The kind the Skin3rd list gives a class (its first line, lower-cased,
// that begins with the class name and "="; at most 50 characters after
// the "=").  False when no line names the class.
bool FindSkin3rdKind(const std::vector<std::string>& list, std::string_view className, std::string& kind);

// The skinner of a child window of a bare window by its class (any case)
// and style; "" for none.  "comboboxex32" is the caller's: its first child
// gets the combo box skinner.
std::string BareWindowSkinner(std::string_view className, DWORD style);

std::string Lowered(std::string_view text);
std::string Uppered(std::string_view text);

} // namespace yq
