// The control skinner dispatch: which skinner every kind of control gets,
// in rule order, through the Skin3rd list, the application's event, the
// disable tag, and the class table of a bare window's children.
#include "Button.h"
#include "CheckBox.h"
#include "ExtCtrls.h"
#include "GalleryForm.h"
#include "Grid.h"
#include "SkinButton.h"
#include "SkinControl.h"
#include "SkinDispatch.h"
#include "ToolBar.h"
#include "skin_fixture.h"

#include <commctrl.h>

#include <map>
#include <string>

namespace yq {
namespace {

using testing::LoadSkinData;
using testing::Pump;
using testing::TBareWindow;

// The published properties the named rules read.
class TPropertiesControl : public TWinControl {
    YQ_CLASS(TPropertiesControl, TWinControl)
public:
    using TWinControl::TWinControl;
    int NumButtons() const { return numButtons_; }
    void SetNumButtons(int n) { numButtons_ = n; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { transparent_ = on; }

private:
    int numButtons_ = 0;
    bool transparent_ = false;
};

YQ_PUBLISHED(TPropertiesControl, TWinControl) {
    r.Int("NumButtons", &TPropertiesControl::NumButtons, &TPropertiesControl::SetNumButtons);
    r.Bool("Transparent", &TPropertiesControl::Transparent, &TPropertiesControl::SetTransparent);
}

// A windowed control that answers to any class name.
class TNamedControl : public TPropertiesControl {
public:
    TNamedControl(TComponent* owner, TWinControl* parent, std::string name)
        : TPropertiesControl(owner), name_(std::move(name)) {
        SetBounds(0, 0, 40, 20);
        SetParent(parent);
    }
    const char* ClassName() const override { return name_.c_str(); }

private:
    std::string name_;
};

// The form's skinner without its frame: only the dispatch and its list.
struct TDispatchOnly {
    TDispatchOnly(TForm& form, TSkinData* skin) {
        skinner.Handle = form.Handle();
        skinner.Form = &form;
        skinner.SkinData = skin;
    }
    TWinSkinForm skinner;
};

std::string SkinnerOf(const TWinSkinForm& form, const TControl* control) {
    for (const TSkinControl* s : form.SkinControlList)
        if (s->Served() == control) return s->ClassName();
    return {};
}

bool Built(const std::string& skinnerClass) {
    return MakeSkinner(skinnerClass, nullptr) != nullptr;
}

class SkinDispatch : public ::testing::Test {
protected:
    void TearDown() override { Pump(); }
};

// Every control of the gallery, by class and name where its look depends
// on settings, gets the skinner the rules give it.
TEST_F(SkinDispatch, GalleryControlsGetTheirSkinnersInRuleOrder) {
    gallery::TGalleryForm form;
    form.Handle();
    TDispatchOnly d(form, form.SkinData1());
    const std::map<std::string, std::string> expected{
        {"TButton", "TSkinButton"},
        {"TBitBtn", "TSkinBitButton"},
        {"TSpeedButton", "TSkinSpeedButton"},
        {"TCheckBox", "TSkinCheckBox"},
        {"TRadioButton", "TSkinRadioButton"},
        {"TGroupBox", "TSkinGroupBox"},
        {"TRadioGroup", "TSkinGroupBox"},
        {"TComboBox", "TSkinComBox"},
        {"TListBox", "TSkinScrollbar"},
        {"TListView", "TSkinListView"},
        {"TPageControl", "TSkinTab"},
        {"TTabSheet", ""},
        {"TTabControl", "TSkinTab"},
        {"TToolBar", "TSkinBox"},
        {"TToolButton", ""},
        {"TStatusBar", "TSkinStatusBar"},
        {"TProgressBar", "TSkinProgress"},
        {"TTrackBar", "TSkinTrackBar"},
        {"TUpDown", "TSkinUpDown"},
        {"TScrollBar", "TSkinScControl"},
        {"TEdit", "TSkinEdit"},
        {"TMemo", "TSkinScrollbar"},
        {"TDBGrid", "TSkinScrollbar"},
        {"TDBEdit", "TSkinEdit"},
        {"TLabel", ""},
    };
    std::map<std::string, int> seen;
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* c = dynamic_cast<TControl*>(form.Components(i));
        if (!c) continue;
        auto it = expected.find(c->ClassName());
        if (it == expected.end()) continue;
        ++seen[it->first];
        const std::string chosen = d.skinner.SkinControl(c, &form);
        EXPECT_EQ(chosen, it->second) << c->ClassName() << " " << c->Name();
        if (auto* grid = dynamic_cast<TCustomGrid*>(c)) {
            EXPECT_EQ(grid->FixedColor(), form.SkinData1()->ButtonFace) << "a skinned grid's fixed cells";
        }
        if (!Built(it->second)) continue;
        EXPECT_EQ(SkinnerOf(d.skinner, c), it->second) << c->Name();
        // A second pass finds it skinned.
        EXPECT_EQ(d.skinner.SkinControl(c, &form), "") << c->Name();
    }
    for (const auto& [cls, skinnerClass] : expected)
        EXPECT_GT(seen[cls], 0) << cls << " is not on the gallery";
}

// Controls known only by their class name, and the scrolling-host rule.
TEST_F(SkinDispatch, NamedClassesAndScrollingHosts) {
    TForm form;
    form.Handle();
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TDispatchOnly d(form, skin.get());
    struct Case {
        const char* className;
        long long tag;
        int numButtons;
        const char* skinner;
    } cases[] = {
        {"TTabSet", 0, 0, "TSkinTab31"},
        {"TTabbedNotebook", 0, 0, "TSkinTab"},
        {"TMvcPanel", 0, 0, ""},
        {"TSpinButton", 0, 0, "TSkinUpDown"},
        {"TDBNavigator", 0, 0, "TSkinBox"},
        {"TRzDBCheckBox", 0, 0, "TSkinObjImage"},
        {"TDateTimePicker", 0, 0, "TSkinComBox"},
        {"TRichEdit", 0, 0, "TSkinScrollbar"},
        {"TDXDBGrid", 0, 0, "TSkinScrollbar"},
        {"TDBComboBoxEh", 0, 0, ""},
        {"TQRPreview", 0, 0, ""},
        {"TPlainHost", 0, 0, ""},
        {"TPlainHost", 55, 0, "TSkinScrollbar"},
        {"TPlainHost", 155, 0, ""},
        {"TDCEdit", 0, 1, "TSkinComBox"},
        {"TDCDBEdit", 0, 0, "TSkinEdit"},
        {"TDCEdit", 0, 2, ""},
    };
    for (const Case& c : cases) {
        auto* control = new TNamedControl(&form, &form, c.className);
        control->Tag = c.tag;
        control->SetNumButtons(c.numButtons);
        EXPECT_EQ(d.skinner.SkinControl(control, &form), c.skinner) << c.className << " tag " << c.tag;
    }
    // A form inside a form is a box; its own controls follow.
    auto* inner = new TForm(&form);
    auto* button = new TButton(inner);
    button->SetParent(inner);
    EXPECT_EQ(d.skinner.SkinControl(inner, &form), "TSkinBox");
    EXPECT_EQ(SkinnerOf(d.skinner, button), "TSkinButton");
}

// DisableTag 99 leaves Tag 99 and 199 alone; other tags are skinned.
TEST_F(SkinDispatch, DisableTagCountsModuloAHundred) {
    TForm form;
    form.Handle();
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    ASSERT_EQ(skin->DisableTag(), 99);
    TDispatchOnly d(form, skin.get());
    for (long long tag : {99LL, 199LL, 98LL, 0LL}) {
        auto* b = new TButton(&form);
        b->SetParent(&form);
        b->Tag = tag;
        const bool left = tag % 100 == 99;
        EXPECT_EQ(d.skinner.SkinControl(b, &form), left ? "" : "TSkinButton") << tag;
        EXPECT_EQ(SkinnerOf(d.skinner, b), left ? "" : "TSkinButton") << tag;
    }
}

// Each Skin3rd kind, by class name, over the built-in rules.
TEST_F(SkinDispatch, Skin3rdKindsComeBeforeTheBuiltInRules) {
    TForm form;
    form.Handle();
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TDispatchOnly d(form, skin.get());
    struct Case {
        const char* kind;
        const char* skinner;
    } cases[] = {
        {"nil", ""},
        {"combobox", "TSkinComBox"},
        {"Edit", "TSkinEdit"},
        {"radiobutton", "TSkinRadioButton"},
        {"Panel", "TSkinBox"},
        {"trackbar", "TSkinTrackBar"},
        {"button", "TSkinButton"},
        {"bitbtn", "TSkinBitButton"},
        {"speedbutton", "TSkinSpeedButton"},
        {"tab", "TSkinTab"},
        {"progress", "TSkinProgress"},
        {"scrollbar", "TSkinScrollbar"},
        {"embedscrollbar", ""},
        {"container", ""},
        {"groupbox", "TSkinGroupBox"},
        {"RadioGroup", "TSkinGroupBox"},
        {"checkgroup", "TSkinGroupBox"},
        {"CheckBox", "TSkinCheckBox"},
        {"no-such-kind", ""},
    };
    std::vector<std::string> list;
    for (const Case& c : cases)
        list.push_back("TThird" + std::string(c.kind) + "=" + c.kind);
    list.push_back("TButton=nil");
    skin->SetSkin3rd(list);
    for (const Case& c : cases) {
        auto* control = new TNamedControl(&form, &form, "TThird" + std::string(c.kind));
        EXPECT_EQ(d.skinner.SkinControl(control, &form), c.skinner) << c.kind;
        if (Built(c.skinner)) {
            EXPECT_EQ(SkinnerOf(d.skinner, control), c.skinner) << c.kind;
        }
        if (std::string(c.kind) == "Panel" || std::string(c.kind) == "trackbar") {
            EXPECT_TRUE(control->Transparent()) << c.kind;
        }
    }
    // "TButton=nil" leaves a push button unskinned although rule 30 fits it.
    auto* button = new TButton(&form);
    button->SetParent(&form);
    EXPECT_EQ(d.skinner.SkinControl(button, &form), "");
    EXPECT_EQ(SkinnerOf(d.skinner, button), "");

    // A kind whose member is off gives nothing, and no built-in rule either.
    skin->SetSkin3rd({"TButton=panel"});
    skin->SetSkinControls(skin->SkinControls() & ~SetOf(xcPanel));
    auto* other = new TButton(&form);
    other->SetParent(&form);
    EXPECT_EQ(d.skinner.SkinControl(other, &form), "");
    skin->SetSkin3rd({});
    EXPECT_EQ(d.skinner.SkinControl(other, &form), "TSkinButton");
}

// A radio group kind skins the group's buttons too; a container kind looks
// its children up by their own class names.
TEST_F(SkinDispatch, GroupKindsReachTheChildren) {
    TForm form;
    form.Handle();
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    skin->SetSkin3rd({"TOuter=container", "TInner=bitbtn", "TGroupish=radiogroup"});
    TDispatchOnly d(form, skin.get());
    auto* outer = new TNamedControl(&form, &form, "TOuter");
    auto* inner = new TNamedControl(&form, outer, "TInner");
    EXPECT_EQ(d.skinner.SkinControl(outer, &form), "");
    EXPECT_EQ(SkinnerOf(d.skinner, inner), "TSkinBitButton");
    auto* group = new TNamedControl(&form, &form, "TGroupish");
    auto* choice = new TNamedControl(&form, group, "TChoice");
    EXPECT_EQ(d.skinner.SkinControl(group, &form), "TSkinGroupBox");
    EXPECT_EQ(d.skinner.SkinControl(choice, &form), "") << "skinned as the group's child";
}

// A skinner counting its attachments.
class TCountingSkinner : public TSkinButton {
public:
    using TSkinButton::TSkinButton;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool colour, TCanvas* canvas) override {
        ++attaches;
        TSkinButton::AttachControl(form, skin, colour, canvas);
    }
    int attaches = 0;
};

TEST_F(SkinDispatch, TheApplicationsEventDecidesFirstAndIsNotAttachedTwice) {
    TForm form;
    form.Handle();
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TDispatchOnly d(form, skin.get());
    auto* fresh = new TButton(&form);
    auto* known = new TButton(&form);
    auto* declined = new TButton(&form);
    for (TButton* b : {fresh, known, declined})
        b->SetParent(&form);
    TCountingSkinner* freshSkinner = nullptr;
    // Registered with the form, but serving nothing yet.
    auto* knownSkinner = new TCountingSkinner(known);
    ASSERT_FALSE(d.skinner.AddSkinControl(knownSkinner));
    std::vector<std::string> classes;
    skin->OnSkinControl = [&](TComponent* sender, TSkinData* data, TControl* parent, TControl* control,
                              const std::string& controlClass, TComponent*& made) {
        EXPECT_EQ(sender, &d.skinner);
        EXPECT_EQ(data, skin.get());
        EXPECT_EQ(parent, &form);
        classes.push_back(controlClass);
        if (control == fresh) made = freshSkinner = new TCountingSkinner(fresh);
        if (control == known) made = knownSkinner;
    };
    EXPECT_EQ(d.skinner.SkinControl(fresh, &form), "TSkinButton");
    ASSERT_NE(freshSkinner, nullptr);
    EXPECT_EQ(freshSkinner->attaches, 1);
    EXPECT_TRUE(freshSkinner->Attached);
    EXPECT_EQ(d.skinner.SkinControl(known, &form), "TSkinButton");
    EXPECT_EQ(knownSkinner->attaches, 0) << "registered already: not attached";
    EXPECT_EQ(d.skinner.SkinControl(declined, &form), "TSkinButton") << "the rules decide";
    EXPECT_EQ(SkinnerOf(d.skinner, declined), "TSkinButton");
    EXPECT_EQ(classes, (std::vector<std::string>{"TBUTTON", "TBUTTON", "TBUTTON"}));
}

// Children of a bare window by class name and style.
TEST_F(SkinDispatch, BareWindowChildrenByClassAndButtonStyle) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TBareWindow parent(L"YqDispatchBare", WS_OVERLAPPEDWINDOW, 400, 300);
    TWinSkinForm form;
    form.Handle = parent.Get();
    form.SkinData = skin.get();
    struct Case {
        const wchar_t* cls;
        DWORD style;
        const char* skinner;
    } cases[] = {
        {L"BUTTON", BS_PUSHBUTTON, "TSkinButton"},
        {L"BUTTON", BS_DEFPUSHBUTTON, "TSkinButton"},
        {L"BUTTON", BS_USERBUTTON, "TSkinButton"},
        {L"BUTTON", BS_CHECKBOX, "TSkinCheckBox"},
        {L"BUTTON", BS_AUTOCHECKBOX, "TSkinCheckBox"},
        {L"BUTTON", BS_3STATE, "TSkinCheckBox"},
        {L"BUTTON", BS_AUTO3STATE, "TSkinCheckBox"},
        {L"BUTTON", BS_OWNERDRAW, "TSkinCheckBox"},
        {L"BUTTON", BS_RADIOBUTTON, "TSkinRadioButton"},
        {L"BUTTON", BS_AUTORADIOBUTTON, "TSkinRadioButton"},
        {L"BUTTON", BS_GROUPBOX, ""},
        {L"COMBOBOX", CBS_SIMPLE, ""},
        {L"COMBOBOX", CBS_DROPDOWNLIST, "TSkinComBox"},
        {L"SCROLLBAR", SBS_SIZEGRIP, "TSkinSizer"},
        {L"EDIT", 0, "TSkinEdit"},
        {L"STATIC", 0, ""},
        {L"SysTreeView32", 0, ""},
    };
    for (const Case& c : cases) {
        HWND child = CreateWindowExW(0, c.cls, L"子", WS_CHILD | WS_VISIBLE | c.style, 0, 0, 80, 24,
                                     parent.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(form.SkinChildWindow(child), c.skinner) << c.style;
        TSkinControl* s = form.FindSkinControlByHandle(child);
        if (Built(c.skinner)) {
            ASSERT_NE(s, nullptr) << c.style;
            EXPECT_STREQ(s->ClassName(), c.skinner);
            EXPECT_EQ(form.SkinChildWindow(child), "") << "one skinner a window";
        } else {
            EXPECT_EQ(s, nullptr);
        }
    }
}

// The tool bar's buttons are painted from the skin while the form is
// skinned, and the bar gets its own painting back with the skinners.
TEST_F(SkinDispatch, ToolBarPainterComesAndGoesWithTheSkinners) {
    gallery::TGalleryForm form;
    form.Handle();
    TDispatchOnly d(form, form.SkinData1());
    TToolBar* bar = form.ToolBar();
    ASSERT_FALSE(bar->OnCustomDrawButton);
    EXPECT_EQ(d.skinner.SkinControl(bar, &form), "TSkinBox");
    EXPECT_TRUE(bar->Flat());
    EXPECT_TRUE(bar->OnCustomDrawButton);
    EXPECT_EQ(bar->Color(), form.SkinData1()->ButtonFace);
    d.skinner.ReleaseSkinControls();
    EXPECT_FALSE(bar->OnCustomDrawButton);
    EXPECT_TRUE(d.skinner.SkinControlList.empty());
}

// The manager's skinning of a shown form starts the dispatch; switching the
// skin off frees every skinner and gives the colours back.
TEST_F(SkinDispatch, SkinStartSkinsTheControlsAndSkinOffReleasesThem) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TForm form;
    form.SetBounds(40, 40, 300, 200);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    auto* panel = new TPanel(&form);
    panel->SetBounds(100, 0, 100, 60);
    panel->SetParent(&form);
    panel->SetColor(0x00224466);
    auto* box = new TCheckBox(&form);
    box->SetBounds(0, 80, 100, 20);
    box->SetParent(&form);
    form.Show();
    Pump(100);
    TWinSkinForm* skinner = SkinManage->FindSkinForm(form.Handle());
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(SkinnerOf(*skinner, button), "TSkinButton");
    EXPECT_EQ(SkinnerOf(*skinner, panel), "TSkinBox");
    EXPECT_EQ(SkinnerOf(*skinner, box), "TSkinCheckBox");
    EXPECT_EQ(panel->Color(), skin->ButtonFace);

    SkinManage->LoopState = 1;
    skin->SetActive(false);
    Pump(400);
    EXPECT_EQ(SkinManage->FindSkinForm(form.Handle()), nullptr);
    EXPECT_EQ(panel->Color(), TColor(0x00224466));
    EXPECT_EQ(button->ComponentCount(), 0) << "the button's skinner is gone";
    EXPECT_EQ(box->ComponentCount(), 0);
}

// A bare window's children are skinned on its start too.
TEST_F(SkinDispatch, BareWindowChildrenAreSkinnedOnStart) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqDispatchStart", WS_OVERLAPPEDWINDOW, 300, 200);
    HWND button = CreateWindowExW(0, L"BUTTON", L"确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80,
                                  24, window.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SkinManage->SkinWindow(window.Get());
    Pump();
    TWinSkinForm* skinner = SkinManage->FindSkinForm(window.Get());
    ASSERT_NE(skinner, nullptr);
    TSkinControl* s = skinner->FindSkinControlByHandle(button);
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s->ClassName(), "TSkinButton");
}

} // namespace
} // namespace yq
