#pragma once
// Message-sequence recorder: what a window (through a subclass) or a
// framework control (through a message hook) receives, in order, compared
// with a table of expected messages or with another recording.
//
//   MessageRecorder rec;
//   rec.Watch(buttonWindow);          // or rec.Watch(*control)
//   ... drive the window ...
//   EXPECT_TRUE(MatchSequence(rec.Take(), {{WM_LBUTTONDOWN}, {BM_SETSTATE, kWParam, 1}, ...}));
//
// Messages that come and go with the platform's mood (timers, cursor and
// hit tests, icons, IME) are left out unless the recorder is told to keep
// everything.
#include "Control.h"
#include "MessageHook.h"
#include "Subclass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace yq::testing {

struct RecordedMessage {
    int source; // index of the watched window or control, in Watch order
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const RecordedMessage& o) const {
        return source == o.source && msg == o.msg && wParam == o.wParam && lParam == o.lParam;
    }
};

// Entry flags of an expected message.
enum ExpectFlags : unsigned {
    kAny = 0,
    kWParam = 1,   // wParam must equal
    kLParam = 2,   // lParam must equal
    kOptional = 4, // may be missing
};

struct ExpectedMessage {
    UINT msg;
    unsigned flags = kAny;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int source = -1; // -1: any source
};

inline std::string MessageName(UINT msg) {
    struct Named {
        UINT msg;
        const char* name;
    } static constexpr kNames[] = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_SETFONT, "WM_SETFONT"},
        {WM_GETFONT, "WM_GETFONT"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NOTIFY, "WM_NOTIFY"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_GETDLGCODE, "WM_GETDLGCODE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_INITMENU, "WM_INITMENU"},
        {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
        {WM_MENUSELECT, "WM_MENUSELECT"},
        {WM_MENUCHAR, "WM_MENUCHAR"},
        {WM_ENTERIDLE, "WM_ENTERIDLE"},
        {WM_MEASUREITEM, "WM_MEASUREITEM"},
        {WM_DRAWITEM, "WM_DRAWITEM"},
        {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"},
        {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
        {WM_EXITMENULOOP, "WM_EXITMENULOOP"},
        {WM_MDIACTIVATE, "WM_MDIACTIVATE"},
        {WM_PRINTCLIENT, "WM_PRINTCLIENT"},
        {WM_UPDATEUISTATE, "WM_UPDATEUISTATE"},
        {BM_GETCHECK, "BM_GETCHECK"},
        {BM_SETCHECK, "BM_SETCHECK"},
        {BM_GETSTATE, "BM_GETSTATE"},
        {BM_SETSTATE, "BM_SETSTATE"},
        {BM_SETSTYLE, "BM_SETSTYLE"},
        {BM_CLICK, "BM_CLICK"},
        {CM_ENABLEDCHANGED, "CM_ENABLEDCHANGED"},
        {CM_TEXTCHANGED, "CM_TEXTCHANGED"},
        {CM_MOUSEENTER, "CM_MOUSEENTER"},
        {CM_MOUSELEAVE, "CM_MOUSELEAVE"},
        {CM_ENTER, "CM_ENTER"},
        {CM_EXIT, "CM_EXIT"},
        {CM_FOCUSCHANGED, "CM_FOCUSCHANGED"},
        {CM_DIALOGCHAR, "CM_DIALOGCHAR"},
        {CM_MENUCHANGED, "CM_MENUCHANGED"},
        {CM_CHECKSTATECHANGED, "CM_CHECKSTATECHANGED"},
    };
    for (const Named& n : kNames)
        if (n.msg == msg) return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", msg);
    return buf;
}

// Messages whose number or order depends on timing or the platform's
// internals rather than on what the window was asked to do.
inline bool IsNoise(UINT msg) {
    switch (msg) {
    case WM_TIMER:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETICON:
    case WM_GETOBJECT:
    case WM_IME_SETCONTEXT:
    case WM_IME_NOTIFY:
    case WM_ENTERIDLE:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_GETMINMAXINFO:
    case 0x0090: // WM_UAHDESTROYWINDOW
    case WM_QUERYUISTATE:
        return true;
    default:
        return false;
    }
}

class MessageRecorder {
public:
    // Records noise too (IsNoise).
    bool keepAll = false;

    // Records what reaches the window from now on, takes over nothing.
    // Returns the source number of the window in the recording.
    int Watch(HWND window) {
        auto w = std::make_unique<Watcher>();
        Watcher* raw = w.get();
        int source = int(watchers_.size());
        raw->subclass = std::make_unique<TWindowSubclass>(window, [this, raw, source](TMessage& m) {
            Record(source, m);
            raw->subclass->CallPrevious(m);
        });
        watchers_.push_back(std::move(w));
        return source;
    }
    // The same for a framework control's message method.
    int Watch(TControl& control) {
        auto w = std::make_unique<Watcher>();
        Watcher* raw = w.get();
        int source = int(watchers_.size());
        raw->hook = std::make_unique<TMessageHook>(control.MessageHooks(), [this, raw, source](TMessage& m) {
            Record(source, m);
            raw->hook->CallPrevious(m);
        });
        watchers_.push_back(std::move(w));
        return source;
    }
    // Gives back every window and control watched.
    void Stop() { watchers_.clear(); }

    const std::vector<RecordedMessage>& Log() const { return log_; }
    std::vector<RecordedMessage> Take() {
        std::vector<RecordedMessage> out;
        out.swap(log_);
        return out;
    }
    void Clear() { log_.clear(); }

private:
    struct Watcher {
        std::unique_ptr<TWindowSubclass> subclass;
        std::unique_ptr<TMessageHook> hook;
    };
    void Record(int source, const TMessage& m) {
        if (!keepAll && IsNoise(m.Msg)) return;
        log_.push_back({source, m.Msg, m.WParam, m.LParam});
    }
    std::vector<std::unique_ptr<Watcher>> watchers_;
    std::vector<RecordedMessage> log_;
};

// Only the messages named, in their order.
inline std::vector<RecordedMessage> Only(const std::vector<RecordedMessage>& log,
                                         std::initializer_list<UINT> msgs) {
    std::vector<RecordedMessage> out;
    for (const RecordedMessage& r : log)
        if (std::find(msgs.begin(), msgs.end(), r.msg) != msgs.end()) out.push_back(r);
    return out;
}

inline std::string Describe(const RecordedMessage& r) {
    std::ostringstream out;
    out << "[" << r.source << "] " << MessageName(r.msg) << " wp=" << r.wParam << " lp=" << r.lParam;
    return out.str();
}

inline std::string Describe(const std::vector<RecordedMessage>& log) {
    std::string text;
    for (const RecordedMessage& r : log)
        text += "  " + Describe(r) + "\n";
    return text;
}

// The recording matches the table: every entry in order, optional ones
// skipped when they do not match, nothing left over on either side.
inline ::testing::AssertionResult MatchSequence(const std::vector<RecordedMessage>& log,
                                                const std::vector<ExpectedMessage>& expected) {
    size_t i = 0;
    for (size_t e = 0; e < expected.size(); ++e) {
        const ExpectedMessage& x = expected[e];
        bool matches = i < log.size() && log[i].msg == x.msg && (x.source < 0 || log[i].source == x.source) &&
                       (!(x.flags & kWParam) || log[i].wParam == x.wParam) &&
                       (!(x.flags & kLParam) || log[i].lParam == x.lParam);
        if (matches) {
            ++i;
        } else if (!(x.flags & kOptional)) {
            return ::testing::AssertionFailure()
                   << "expected " << MessageName(x.msg) << " (entry " << e << ") at message " << i
                   << (i < log.size() ? ", got " + Describe(log[i]) : ", got the end") << "\nrecorded:\n"
                   << Describe(log);
        }
    }
    if (i < log.size())
        return ::testing::AssertionFailure() << "unexpected " << Describe(log[i]) << "\nrecorded:\n"
                                             << Describe(log);
    return ::testing::AssertionSuccess();
}

// Two recordings are the same message for message.
inline ::testing::AssertionResult SameSequence(const std::vector<RecordedMessage>& a,
                                               const std::vector<RecordedMessage>& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (!(a[i] == b[i]))
            return ::testing::AssertionFailure()
                   << "message " << i << ": " << Describe(a[i]) << " vs " << Describe(b[i]) << "\nfirst:\n"
                   << Describe(a) << "second:\n"
                   << Describe(b);
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << a.size() << " vs " << b.size() << " messages\nfirst:\n"
                                             << Describe(a) << "second:\n"
                                             << Describe(b);
    return ::testing::AssertionSuccess();
}

} // namespace yq::testing
