// Components, published properties, message methods, the application's
// message filter and error box, timers.
#include "Application.h"
#include "Bitmap.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace yq;

namespace {

std::vector<std::string>* gLog = nullptr;

class TLogged : public TComponent {
    YQ_CLASS(TLogged, TComponent)
public:
    TLogged(TComponent* owner, std::string name) : TComponent(owner) { SetName(std::move(name)); }
    ~TLogged() override {
        if (gLog) gLog->push_back("free " + Name());
    }
    TComponent* watched = nullptr;
    void Watch(TComponent* c) {
        watched = c;
        FreeNotification(c);
    }

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove && c == watched) {
            watched = nullptr;
            if (gLog) gLog->push_back(Name() + " forgets " + c->Name());
        }
    }
};
YQ_CLASS_INFO(TLogged, TComponent)

TEST(Components, OwnerFreesWhatItOwnsInReverseOrder) {
    std::vector<std::string> log;
    gLog = &log;
    auto* owner = new TLogged(nullptr, "owner");
    new TLogged(owner, "a");
    auto* b = new TLogged(owner, "b");
    new TLogged(b, "b1");
    new TLogged(owner, "c");
    EXPECT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->FindComponent("b"), b);
    delete b; // leaves its owner's list, takes b1 with it
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete owner;
    gLog = nullptr;
    EXPECT_EQ(log, (std::vector<std::string>{"free b", "free b1", "free owner", "free c", "free a"}));
}

class TLoadCounter : public TComponent {
public:
    using TComponent::TComponent;
    int loaded = 0;
    bool loadingSeen = false;

protected:
    void Loaded() override {
        ++loaded;
        loadingSeen = Loading();
    }
};

TEST(Components, LoadingEndsOnceForTheOwnerAndWhatItOwns) {
    TLoadCounter owner;
    auto* child = new TLoadCounter(&owner);
    owner.BeginLoading();
    EXPECT_TRUE(child->Loading());
    owner.EndLoading();
    owner.EndLoading(); // a second end changes nothing
    EXPECT_EQ(owner.loaded, 1);
    EXPECT_EQ(child->loaded, 1);
    EXPECT_FALSE(child->loadingSeen); // the state is clear when Loaded runs
}

TEST(Components, FreeNotificationTellsAComponentInAnotherOwner) {
    std::vector<std::string> log;
    gLog = &log;
    auto* formA = new TLogged(nullptr, "A");
    auto* formB = new TLogged(nullptr, "B");
    auto* button = new TLogged(formA, "button");
    auto* menu = new TLogged(formB, "menu");
    button->Watch(menu);
    delete formB;
    EXPECT_EQ(button->watched, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"free B", "free menu", "button forgets menu"}));
    // The watcher going first unregisters: no call into a freed object.
    auto* other = new TLogged(nullptr, "other");
    auto* watcher = new TLogged(nullptr, "watcher");
    watcher->Watch(other);
    delete watcher;
    log.clear();
    delete other;
    EXPECT_EQ(log, (std::vector<std::string>{"free other"}));
    delete formA;
    gLog = nullptr;
}

TEST(Properties, ByNameOnATableOfPropertiesAndKinds) {
    TForm form;
    auto* panel = new TPanel(&form);
    panel->SetName("Panel1");
    panel->SetParent(&form);
    auto* image = new TImage(&form);
    image->SetParent(panel);
    TTimer timer;

    struct IntCase {
        TPersistent* object;
        const char* name;
        const wchar_t* set;
        long long expected;
    } ints[] = {
        {panel, "Width", L"250", 250},
        {panel, "Color", L"255", 255},
        {panel, "BevelWidth", L"3", 3},
        {&timer, "Interval", L"40", 40},
        {panel->FontPtr(), "Height", L"-16", -16},
        {panel, "Tag", L"199", 199},
        {panel, "Width", L"12x", 250}, // not decimal: ignored
    };
    for (const IntCase& c : ints) {
        SetPropByName(c.object, c.name, c.set);
        EXPECT_EQ(GetIntPropByName(c.object, c.name), c.expected) << c.name;
    }

    struct EnumCase {
        TPersistent* object;
        const char* name;
        const wchar_t* set;
        const char* expected;
    } enums[] = {
        {panel, "Alignment", L"taleftjustify", "taLeftJustify"},
        {panel, "Visible", L"false", "False"},
        {image, "Stretch", L"True", "True"},
        {panel, "Align", L"alClient", "alClient"},
        {&form, "BorderStyle", L"bsDialog", "bsDialog"},
        {panel, "BevelOuter", L"bvNothing", "bvRaised"}, // unknown value: ignored
    };
    for (const EnumCase& c : enums) {
        SetPropByName(c.object, c.name, c.set);
        EXPECT_EQ(GetEnumPropName(c.object, c.name), c.expected) << c.name;
    }
    EXPECT_FALSE(panel->Visible());
    EXPECT_TRUE(image->Stretch());

    SetPropByName(panel, "Caption", L"面板");
    EXPECT_EQ(panel->Caption(), L"面板");
    EXPECT_EQ(GetWidePropByName(panel, "Caption"), L"面板");
    EXPECT_EQ(GetWidePropByName(panel, "Name"), L"Panel1");

    EXPECT_EQ(GetObjectPropByName(panel, "Font", "TFont"), panel->FontPtr());
    EXPECT_EQ(GetObjectPropByName(panel, "Font", "TBitmap"), nullptr);
    EXPECT_EQ(GetObjectPropByName(image, "Picture", "TPicture"), image->PicturePtr());

    // Wrong kind, missing property, null object: the defaults.
    EXPECT_EQ(GetIntPropByName(panel, "Caption"), 0);
    EXPECT_EQ(GetEnumPropName(panel, "Width"), "");
    EXPECT_EQ(GetWidePropByName(panel, "Glyph"), L"");
    EXPECT_EQ(GetIntPropByName(nullptr, "Width"), 0);
    EXPECT_EQ(GetObjectPropByName(nullptr, "Font", "TFont"), nullptr);
    SetPropByName(nullptr, "Width", L"1");
    SetPropByName(panel, "Font", L"x");
}

TEST(Properties, ClassNamesAndFamilies) {
    TForm form;
    TPanel panel(&form);
    EXPECT_STREQ(panel.ClassName(), "TPanel");
    EXPECT_TRUE(panel.InheritsFrom("TCustomPanel"));
    EXPECT_TRUE(panel.InheritsFrom("TWinControl"));
    EXPECT_TRUE(panel.InheritsFrom("TComponent"));
    EXPECT_FALSE(panel.InheritsFrom("TGraphicControl"));
    EXPECT_FALSE(panel.InheritsFrom("TCustomGrid"));
    TImage image(&form);
    EXPECT_TRUE(image.InheritsFrom("TGraphicControl"));
}

TEST(MessageMethod, AReplacementSeesAndCanSwallowMessagesUntilRestored) {
    TForm form;
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    HWND h = panel->Handle();
    int clicks = 0;
    panel->OnClick = [&](TComponent*) { ++clicks; };
    std::vector<UINT> seen;
    TWndMethod previous = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_LBUTTONUP) return; // swallowed
        previous(m);
    };
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    LRESULT text = SendMessageW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(text, TRUE); // unhandled messages reach the window unchanged
    EXPECT_EQ(panel->Caption(), L"abc");
    ASSERT_GE(seen.size(), 3u);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONUP), seen.end());
    panel->WindowProc = previous;
    seen.clear();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(seen.empty());
}

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = Application().MessageBoxFunc;
        Application().Title = L"云樵";
        Application().MessageBoxFunc = [this](const std::wstring& text, const std::wstring& caption,
                                              UINT flags) {
            boxes.push_back({text, caption, flags});
            return IDOK;
        };
    }
    void TearDown() override {
        Application().MessageBoxFunc = saved;
        Application().OnMessage = nullptr;
    }
    struct Box {
        std::wstring text, caption;
        UINT flags;
    };
    std::vector<Box> boxes;
    TMessageBoxFunc saved;
};

TEST_F(ApplicationTest, OnMessageRewritesAQueuedMessageBeforeDispatch) {
    TForm form;
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    std::vector<WORD> keys;
    panel->OnKeyDown = [&](TComponent*, WORD& key, TShiftState) { keys.push_back(key); };
    Application().OnMessage = [](MSG& msg, bool&) {
        if (msg.message != WM_MOUSEWHEEL) return;
        msg.message = WM_KEYDOWN;
        msg.wParam = short(HIWORD(msg.wParam)) > 0 ? VK_UP : VK_DOWN;
        msg.lParam = 0;
    };
    PostMessageW(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    PostMessageW(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
    Application().ProcessMessages();
    EXPECT_EQ(keys, (std::vector<WORD>{VK_UP, VK_DOWN}));
    // A handled message is dropped.
    Application().OnMessage = [](MSG& msg, bool& handled) { handled = msg.message == WM_KEYDOWN; };
    PostMessageW(panel->Handle(), WM_KEYDOWN, 'A', 0);
    Application().ProcessMessages();
    EXPECT_EQ(keys.size(), 2u);
}

TEST_F(ApplicationTest, AnExceptionInAClickHandlerIsShownAndTheProgramGoesOn) {
    TForm form;
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    int after = 0;
    panel->OnClick = [](TComponent*) { throw std::runtime_error("List index out of bounds (7)"); };
    panel->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++after; };
    HWND h = panel->Handle();
    PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Application().ProcessMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"List index out of bounds (7)");
    EXPECT_EQ(boxes[0].caption, L"云樵");
    EXPECT_EQ(after, 0); // the rest of that step is skipped
    // The program keeps running: the next message is handled normally.
    panel->OnClick = [&](TComponent*) { ++after; };
    PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Application().ProcessMessages();
    EXPECT_EQ(after, 2);
    EXPECT_EQ(boxes.size(), 1u);
}

class TFailingForm : public TForm {
public:
    using TForm::TForm;
    bool finished = false;
    void DoCreate() override {
        TForm::DoCreate();
        throw std::runtime_error("creation failed");
        finished = true;
    }
};

TEST_F(ApplicationTest, AnExceptionInAFormsCreationStepIsShownAndStartUpGoesOn) {
    TFailingForm* form = Application().CreateForm<TFailingForm>();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"creation failed");
    EXPECT_FALSE(form->finished);
    delete form;
}

TEST_F(ApplicationTest, TimersTickAndTheirExceptionsAreShown) {
    TTimer timer;
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TComponent* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 2) throw std::runtime_error("tick");
        if (ticks == 3) timer.SetEnabled(false);
    };
    DWORD start = GetTickCount();
    while (ticks < 3 && GetTickCount() - start < 5000) {
        Application().ProcessMessages();
        Sleep(5);
    }
    EXPECT_EQ(ticks, 3);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"tick");
    Sleep(40);
    Application().ProcessMessages();
    EXPECT_EQ(ticks, 3);
}

// A timer made disabled keeps still until enabled, then ticks at its
// interval; disabled again, it stops.
TEST_F(ApplicationTest, ATimerMadeDisabledTicksOnlyOnceEnabled) {
    TTimer timer(nullptr, false);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TComponent*) { ++ticks; };
    auto pump = [](DWORD ms) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
            Application().ProcessMessages();
            Sleep(5);
        }
    };
    pump(60);
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    for (DWORD start = GetTickCount(); ticks < 2 && GetTickCount() - start < 5000;)
        pump(5);
    EXPECT_GE(ticks, 2);
    timer.SetEnabled(false);
    pump(20);
    const int stopped = ticks;
    pump(60);
    EXPECT_EQ(ticks, stopped);
}

} // namespace
