// The seams through which a second party (the skin engine) takes over
// windows and controls: the subclassing primitive, ordered message hooks,
// thread hooks, the exception guard, and what destroying a framework
// window leaves of a foreign subclass.
#include "Application.h"
#include "Button.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"
#include "Subclass.h"
#include "ThreadHook.h"
#include "message_sequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace yq;
using namespace yq::testing;

namespace {

// Catches what the guard reports instead of showing a box.
struct ErrorCatcher {
    std::vector<std::wstring> errors;
    ErrorCatcher() {
        Application().OnException = [this](TComponent*, std::exception_ptr e) {
            errors.push_back(TApplication::ExceptionText(e));
        };
    }
    ~ErrorCatcher() { Application().OnException = nullptr; }
};

// A party that takes a window or control over and passes everything on,
// counting what it saw.
struct Party {
    int seen = 0;
    std::unique_ptr<TWindowSubclass> subclass;
    std::unique_ptr<TMessageHook> hook;
    void Take(HWND window) {
        subclass = std::make_unique<TWindowSubclass>(window, [this](TMessage& m) {
            ++seen;
            subclass->CallPrevious(m);
        });
    }
    void Take(TControl& control) {
        hook = std::make_unique<TMessageHook>(control.MessageHooks(), [this](TMessage& m) {
            ++seen;
            hook->CallPrevious(m);
        });
    }
    void GiveBack() {
        subclass.reset();
        hook.reset();
    }
};

// The same things asked of a button each time: text, enabling, a click
// with the mouse, a check state, the space key.
void DriveButton(HWND button) {
    SendMessageW(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"按钮"));
    EnableWindow(button, FALSE);
    EnableWindow(button, TRUE);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
}

// Who takes over first and who gives back first.
struct TakeOverOrder {
    const char* name;
    bool firstGivesBackFirst;
};
constexpr TakeOverOrder kOrders[] = {{"first taken, first given back", true},
                                     {"first taken, last given back", false}};

class TakeOver : public ::testing::TestWithParam<TakeOverOrder> {};

// A platform button on a plain platform window: nothing of the framework.
struct PlatformButton {
    HWND parent =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                                  parent, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    ~PlatformButton() { DestroyWindow(parent); }
};

TEST_P(TakeOver, APlatformButtonReceivesTheSameMessagesAfterTwoSubclassesCameAndWent) {
    PlatformButton w;
    auto original = GetWindowLongPtrW(w.button, GWLP_WNDPROC);
    MessageRecorder rec;
    rec.Watch(w.button);
    rec.Watch(w.parent);
    DriveButton(w.button); // the first time also activates and focuses
    rec.Clear();
    DriveButton(w.button);
    const auto alone = rec.Take();
    ASSERT_FALSE(alone.empty());

    Party a, b;
    a.Take(w.button);
    b.Take(w.button);
    DriveButton(w.button);
    EXPECT_TRUE(SameSequence(alone, rec.Take())) << "while both hold the button";
    EXPECT_GT(a.seen, 0);
    EXPECT_GT(b.seen, 0);

    Party& first = GetParam().firstGivesBackFirst ? a : b;
    Party& second = GetParam().firstGivesBackFirst ? b : a;
    first.GiveBack();
    int before = second.seen;
    DriveButton(w.button);
    EXPECT_TRUE(SameSequence(alone, rec.Take())) << "after one gave back";
    EXPECT_GT(second.seen, before) << "the other still holds the button";

    second.GiveBack();
    DriveButton(w.button);
    EXPECT_TRUE(SameSequence(alone, rec.Take())) << "after both gave back";
    rec.Stop();
    EXPECT_EQ(GetWindowLongPtrW(w.button, GWLP_WNDPROC), original);
}

TEST_P(TakeOver, AFrameworkControlReceivesTheSameMessagesAfterTwoHooksCameAndWent) {
    TForm form;
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetBounds(10, 10, 80, 24);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    auto drive = [&] {
        button->SetCaption(L"按钮");
        button->SetEnabled(false);
        button->SetEnabled(true);
        button->Perform(CM_MOUSEENTER);
        SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        button->Perform(CM_MOUSELEAVE);
    };
    MessageRecorder rec;
    rec.Watch(*button);
    drive(); // the first time also focuses
    rec.Clear();
    drive();
    const auto alone = rec.Take();
    ASSERT_EQ(clicks, 2);

    Party a, b;
    a.Take(*button);
    b.Take(*button);
    drive();
    EXPECT_TRUE(SameSequence(alone, rec.Take())) << "while both hold the control";

    Party& first = GetParam().firstGivesBackFirst ? a : b;
    Party& second = GetParam().firstGivesBackFirst ? b : a;
    first.GiveBack();
    int before = second.seen;
    drive();
    EXPECT_TRUE(SameSequence(alone, rec.Take())) << "after one gave back";
    EXPECT_GT(second.seen, before) << "the other still holds the control";

    second.GiveBack();
    drive();
    EXPECT_TRUE(SameSequence(alone, rec.Take())) << "after both gave back";
    EXPECT_EQ(clicks, 5);
}

INSTANTIATE_TEST_SUITE_P(Orders, TakeOver, ::testing::ValuesIn(kOrders),
                         [](const ::testing::TestParamInfo<TakeOverOrder>& p) {
                             return p.param.firstGivesBackFirst ? "FirstFirst" : "FirstLast";
                         });

TEST(Subclass, ATakeOverCanAnswerInsteadOfTheWindowAndChangeWhatItPassesOn) {
    PlatformButton w;
    std::unique_ptr<TWindowSubclass> sub;
    sub = std::make_unique<TWindowSubclass>(w.button, [&](TMessage& m) {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = DLGC_WANTALLKEYS; // answered here
            return;
        }
        if (m.Msg == WM_SETTEXT) m.LParam = reinterpret_cast<LPARAM>(L"改");
        sub->CallPrevious(m);
    });
    EXPECT_EQ(SendMessageW(w.button, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    SetWindowTextW(w.button, L"原");
    wchar_t text[8] = {};
    GetWindowTextW(w.button, text, 8);
    EXPECT_STREQ(text, L"改");
    sub.reset();
    EXPECT_NE(SendMessageW(w.button, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
}

// A subclass made with the bare platform calls, remembering what it
// replaced in a window property.
struct ForeignSubclass {
    static inline std::vector<UINT>* seen = nullptr;
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        auto previous = reinterpret_cast<WNDPROC>(GetPropW(h, L"test.Foreign"));
        if (seen) seen->push_back(msg);
        if (msg == WM_NCDESTROY) RemovePropW(h, L"test.Foreign");
        return CallWindowProcW(previous, h, msg, wp, lp);
    }
    static void Install(HWND h) {
        SetPropW(
            h, L"test.Foreign",
            reinterpret_cast<HANDLE>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc))));
    }
    static void Remove(HWND h) {
        SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(h, L"test.Foreign")));
        RemovePropW(h, L"test.Foreign");
    }
};

TEST(Subclass, GivenBackUnderAForeignSubclassItStaysAPassThroughUntilTheWindowDies) {
    PlatformButton w;
    std::vector<UINT> foreignSaw;
    ForeignSubclass::seen = &foreignSaw;
    MessageRecorder rec;
    rec.Watch(w.parent);
    {
        Party ours;
        ours.Take(w.button);
        ForeignSubclass::Install(w.button); // on top of ours
        ours.GiveBack();
    }
    EXPECT_EQ(SendMessageW(w.button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON,
              0); // the button still answers
    SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(w.button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(
        MatchSequence(Only(rec.Take(), {WM_COMMAND}), {{WM_COMMAND, kWParam, MAKEWPARAM(7, BN_CLICKED)}}))
        << "the click reached the button through the foreign subclass and the left chain";
    EXPECT_FALSE(foreignSaw.empty());
    ForeignSubclass::Remove(w.button); // puts our pass-through back on top
    SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(w.button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(
        MatchSequence(Only(rec.Take(), {WM_COMMAND}), {{WM_COMMAND, kWParam, MAKEWPARAM(7, BN_CLICKED)}}));
    rec.Stop();
    ForeignSubclass::seen = nullptr;
}

TEST(Subclass, EverySubclassSeesTheWindowDieAndTheWindowsOwnProcedureSeesItLast) {
    PlatformButton w;
    std::vector<std::string> order;
    std::unique_ptr<TWindowSubclass> passes, swallows;
    passes = std::make_unique<TWindowSubclass>(w.button, [&](TMessage& m) {
        if (m.Msg == WM_NCDESTROY) order.push_back("passes");
        passes->CallPrevious(m);
    });
    // Forgets to pass WM_NCDESTROY on: the chain still hands it down to the
    // button's own procedure (which frees the button's data).
    swallows = std::make_unique<TWindowSubclass>(w.button, [&](TMessage& m) {
        if (m.Msg == WM_NCDESTROY) {
            order.push_back("swallows");
            return;
        }
        swallows->CallPrevious(m);
    });
    std::vector<UINT> foreignSaw;
    ForeignSubclass::seen = &foreignSaw;
    ForeignSubclass::Install(w.button);
    DestroyWindow(w.button);
    ForeignSubclass::seen = nullptr;
    EXPECT_EQ(order, (std::vector<std::string>{"swallows"}));
    EXPECT_FALSE(passes->Attached());
    EXPECT_FALSE(swallows->Attached());
    ASSERT_FALSE(foreignSaw.empty());
    EXPECT_EQ(foreignSaw.back(), UINT(WM_NCDESTROY));
    EXPECT_EQ(passes->CallPrevious(WM_GETDLGCODE, 0, 0), 0);
    passes.reset(); // after its window: nothing to give back
    swallows.reset();
}

TEST(Subclass, AnExceptionIsReportedAndTheMessageStillReachesTheWindow) {
    ErrorCatcher catcher;
    PlatformButton w;
    std::unique_ptr<TWindowSubclass> sub;
    sub = std::make_unique<TWindowSubclass>(w.button, [&](TMessage& m) {
        if (m.Msg == WM_SETTEXT) throw std::runtime_error("skin failed");
        if (m.Msg == WM_GETTEXT) {
            sub->CallPrevious(m);
            throw std::runtime_error("after passing on");
        }
        sub->CallPrevious(m);
    });
    EXPECT_TRUE(SetWindowTextW(w.button, L"新"));
    wchar_t text[8] = {};
    EXPECT_EQ(GetWindowTextW(w.button, text, 8), 1); // handled once, not twice
    EXPECT_STREQ(text, L"新");
    EXPECT_EQ(catcher.errors, (std::vector<std::wstring>{L"skin failed", L"after passing on"}));
}

TEST(Subclass, AProcedureMayGiveItsOwnSubclassBack) {
    PlatformButton w;
    Party below;
    below.Take(w.button);
    std::unique_ptr<TWindowSubclass> once;
    once = std::make_unique<TWindowSubclass>(w.button, [&](TMessage& m) {
        auto& self = *once;
        self.CallPrevious(m);
        once.reset();
    });
    SendMessageW(w.button, WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(once, nullptr);
    EXPECT_EQ(below.seen, 1);
    SendMessageW(w.button, WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(below.seen, 2);
}

TEST(Subclass, RefusesWindowsItCannotServe) {
    EXPECT_THROW(TWindowSubclass(nullptr, [](TMessage&) {}), std::invalid_argument);
    EXPECT_THROW(TWindowSubclass(GetDesktopWindow(), [](TMessage&) {}), std::invalid_argument);
}

// ---- framework windows and foreign subclasses ------------------------------

TEST(FrameworkWindow, DestroyingItLeavesAForeignSubclassInItsChainToTheEnd) {
    struct Case {
        const char* name;
        bool bare; // the bare platform calls, or our primitive
    };
    for (const Case& c : {Case{"bare", true}, Case{"primitive", false}}) {
        SCOPED_TRACE(c.name);
        TForm form;
        auto* edit = new TEdit(&form);
        edit->SetParent(&form);
        HWND h = edit->Handle();
        std::vector<UINT> saw;
        std::unique_ptr<TWindowSubclass> sub;
        if (c.bare) {
            ForeignSubclass::seen = &saw;
            ForeignSubclass::Install(h);
        } else {
            sub = std::make_unique<TWindowSubclass>(h, [&](TMessage& m) {
                saw.push_back(m.Msg);
                sub->CallPrevious(m);
            });
        }
        delete edit;
        ForeignSubclass::seen = nullptr;
        EXPECT_FALSE(IsWindow(h));
        ASSERT_FALSE(saw.empty());
        EXPECT_EQ(saw.back(), UINT(WM_NCDESTROY));
        EXPECT_NE(std::find(saw.begin(), saw.end(), UINT(WM_DESTROY)), saw.end());
        if (sub) {
            EXPECT_FALSE(sub->Attached());
        }
    }
}

TEST(FrameworkWindow, AControlFreedUnderItsHooksDetachesThem) {
    TForm form;
    auto* button = new TButton(&form);
    Party party;
    party.Take(*button);
    delete button;
    EXPECT_FALSE(party.hook->Attached());
    TMessage m{WM_NULL, 0, 0, 5};
    party.hook->CallPrevious(m);
    EXPECT_EQ(m.Result, 0);
}

// ---- hooks on a message method ----------------------------------------------

TEST(MessageHooks, TheNewestSeesAMessageFirstAndCanSwallowIt) {
    TForm form;
    std::vector<std::string> order;
    std::unique_ptr<TMessageHook> older, newer;
    older = std::make_unique<TMessageHook>(form.MessageHooks(), [&](TMessage& m) {
        if (m.Msg == CM_MENUCHANGED) order.push_back("older");
        older->CallPrevious(m);
    });
    newer = std::make_unique<TMessageHook>(form.MessageHooks(), [&](TMessage& m) {
        if (m.Msg == CM_MENUCHANGED) {
            order.push_back("newer");
            if (m.WParam == 1) {
                m.Result = 42; // swallowed
                return;
            }
        }
        newer->CallPrevious(m);
    });
    form.Perform(CM_MENUCHANGED);
    EXPECT_EQ(form.Perform(CM_MENUCHANGED, 1), 42);
    EXPECT_EQ(order, (std::vector<std::string>{"newer", "older", "newer"}));
}

TEST(MessageHooks, AHookAndAReplacedWindowProcBothKeepSeeingMessages) {
    TForm form;
    Party party;
    party.Take(form);
    int replaced = 0;
    TWndMethod saved = form.WindowProc;
    form.WindowProc = [&](TMessage& m) {
        ++replaced;
        saved(m);
    };
    form.Perform(CM_MENUCHANGED);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(party.seen, 1);
    form.WindowProc = saved;
    party.GiveBack();
    form.Perform(CM_MENUCHANGED);
    EXPECT_EQ(party.seen, 1);
}

TEST(MessageHooks, AWindowlessControlsHookSeesWhatItsParentRoutesToIt) {
    TForm form;
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, 10, 60, 20);
    form.SetBounds(0, 0, 200, 100);
    HWND h = form.Handle();
    MessageRecorder rec;
    int source = rec.Watch(*label);
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 15));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(20, 15));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
    EXPECT_TRUE(MatchSequence(
        Only(rec.Take(), {CM_MOUSEENTER, CM_MOUSELEAVE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}),
        {{CM_MOUSEENTER, kAny, 0, 0, source},
         {WM_MOUSEMOVE, kLParam, 0, MAKELPARAM(10, 5)},
         {WM_LBUTTONDOWN, kLParam, 0, MAKELPARAM(10, 5)},
         {WM_LBUTTONUP, kLParam, 0, MAKELPARAM(10, 5)},
         {CM_MOUSELEAVE}}));
}

// ---- notifications -----------------------------------------------------------

TEST(Notifications, FocusExitAndEnterReachTheMessageMethod) {
    TForm form;
    auto* a = new TEdit(&form);
    a->SetParent(&form);
    auto* b = new TEdit(&form);
    b->SetParent(&form);
    b->SetTop(40);
    form.Show();
    a->SetFocus();
    MessageRecorder rec;
    int sa = rec.Watch(*a), sb = rec.Watch(*b);
    int exits = 0;
    a->OnExit = [&](TComponent*) { ++exits; };
    b->SetFocus();
    std::vector<RecordedMessage> notes;
    for (const RecordedMessage& r : rec.Take())
        if (r.msg == CM_EXIT || r.msg == CM_ENTER) notes.push_back(r);
    EXPECT_TRUE(MatchSequence(notes, {{CM_EXIT, kAny, 0, 0, sa}, {CM_ENTER, kAny, 0, 0, sb}}));
    EXPECT_EQ(exits, 1);
    form.Hide();
}

// ---- thread hooks ------------------------------------------------------------

HWND MakeWindow() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

TEST_P(TakeOver, TwoCreationHooksBothSeeEveryWindowUntilEachIsRemoved) {
    // Which hook saw which new window, in order.
    std::vector<std::pair<std::string, HWND>> seen;
    auto callsFor = [&](HWND h) {
        std::vector<std::string> names;
        for (auto& [name, window] : seen)
            if (window == h) names.push_back(name);
        seen.clear();
        return names;
    };
    auto makeAndDestroy = [&] {
        HWND h = MakeWindow();
        DestroyWindow(h);
        return h;
    };
    // Each procedure passes the call on through its own hook.
    std::unique_ptr<TThreadHook> a, b;
    a = std::make_unique<TThreadHook>(WH_CBT, [&](const TThreadHook::TCall& call) {
        if (call.code == HCBT_CREATEWND) seen.push_back({"a", reinterpret_cast<HWND>(call.wParam)});
        return a->CallNext(call);
    });
    b = std::make_unique<TThreadHook>(WH_CBT, [&](const TThreadHook::TCall& call) {
        if (call.code == HCBT_CREATEWND) seen.push_back({"b", reinterpret_cast<HWND>(call.wParam)});
        return b->CallNext(call);
    });
    EXPECT_EQ(callsFor(makeAndDestroy()), (std::vector<std::string>{"b", "a"}));
    std::unique_ptr<TThreadHook>& first = GetParam().firstGivesBackFirst ? a : b;
    std::unique_ptr<TThreadHook>& second = GetParam().firstGivesBackFirst ? b : a;
    const std::string remaining = GetParam().firstGivesBackFirst ? "b" : "a";
    first.reset();
    EXPECT_EQ(callsFor(makeAndDestroy()), (std::vector<std::string>{remaining}));
    second.reset();
    EXPECT_TRUE(callsFor(makeAndDestroy()).empty());
}

TEST(ThreadHook, AMessageFilterHookSeesFilteredMessagesAndCanStopThem) {
    std::vector<int> codes;
    std::unique_ptr<TThreadHook> hook;
    hook = std::make_unique<TThreadHook>(WH_MSGFILTER, [&](const TThreadHook::TCall& call) -> LRESULT {
        codes.push_back(call.code);
        auto* msg = reinterpret_cast<MSG*>(call.lParam);
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return 1; // taken
        return hook->CallNext(call);
    });
    MSG msg{nullptr, WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(CallMsgFilterW(&msg, MSGF_MENU));
    msg.wParam = VK_DOWN;
    EXPECT_FALSE(CallMsgFilterW(&msg, MSGF_DIALOGBOX));
    EXPECT_EQ(codes, (std::vector<int>{MSGF_MENU, MSGF_DIALOGBOX}));
    hook.reset();
    msg.wParam = VK_ESCAPE;
    EXPECT_FALSE(CallMsgFilterW(&msg, MSGF_MENU));
}

TEST(ThreadHook, AnExceptionIsShownAfterTheMessageAndTheWindowIsStillMade) {
    ErrorCatcher catcher;
    bool thrown = false;
    std::unique_ptr<TThreadHook> hook;
    hook = std::make_unique<TThreadHook>(WH_CBT, [&](const TThreadHook::TCall& call) -> LRESULT {
        if (call.code == HCBT_CREATEWND && !thrown) {
            thrown = true;
            throw std::runtime_error("hook failed");
        }
        return hook->CallNext(call);
    });
    HWND h = MakeWindow();
    EXPECT_NE(h, nullptr);
    EXPECT_TRUE(catcher.errors.empty()) << "not shown inside the hook";
    hook.reset();
    DestroyWindow(h);
    Application().ProcessMessages();
    EXPECT_EQ(catcher.errors, (std::vector<std::wstring>{L"hook failed"}));
}

TEST(ThreadHook, AHookMayRemoveItselfFromInsideItsCall) {
    int calls = 0;
    std::unique_ptr<TThreadHook> hook;
    hook = std::make_unique<TThreadHook>(WH_CBT, [&](const TThreadHook::TCall& call) -> LRESULT {
        ++calls;
        LRESULT r = hook->CallNext(call);
        hook.reset();
        return r;
    });
    HWND h = MakeWindow();
    DestroyWindow(h);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(hook, nullptr);
    EXPECT_THROW(TThreadHook(WH_JOURNALRECORD, [](const TThreadHook::TCall&) -> LRESULT { return 0; }),
                 std::invalid_argument);
}

} // namespace
