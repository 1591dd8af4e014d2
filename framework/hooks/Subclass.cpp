#include "Subclass.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace yq {

namespace {
constexpr const wchar_t* kChainProp = L"yq.SubclassChain";
}

// One per subclassed window, kept in a window property.
struct TWindowSubclass::TChain {
    HWND window;
    WNDPROC original;
    std::vector<TWindowSubclass*> links; // oldest first
    int running = 0;                     // messages being handled
    bool dead = false;                   // WM_NCDESTROY has been handled
    bool originalSawNcDestroy = false;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    void CallBelow(const TWindowSubclass* link, TMessage& m) {
        auto it = std::find(links.begin(), links.end(), link);
        if (it != links.end() && it != links.begin())
            (*(it - 1))->Dispatch(m);
        else
            CallOriginal(m);
    }
    void CallOriginal(TMessage& m) {
        if (m.Msg == WM_NCDESTROY) originalSawNcDestroy = true;
        m.Result = CallWindowProcW(original, window, m.Msg, m.WParam, m.LParam);
    }
    void Run(TMessage& m) {
        if (links.empty())
            CallOriginal(m);
        else
            links.back()->Dispatch(m);
    }
    // Ends every subclass of a destroyed window.
    void Dissolve() {
        dead = true;
        for (TWindowSubclass* link : links)
            link->chain_ = nullptr;
        links.clear();
        RemovePropW(window, kChainProp);
    }
    // Gives the window its procedure back when no one subclassed it on top;
    // true when the chain is gone.
    bool TryRelease() {
        if (running > 0 || !links.empty()) return false;
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != &Proc) return false;
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(window, kChainProp);
        return true;
    }
};

struct TWindowSubclass::TFrame {
    TFrame* outer;
    bool passed = false;
    bool destroyed = false;
};

LRESULT CALLBACK TWindowSubclass::TChain::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* chain = static_cast<TChain*>(GetPropW(hwnd, kChainProp));
    if (!chain) return DefWindowProcW(hwnd, msg, wp, lp);
    TMessage m{msg, wp, lp, 0};
    ++chain->running;
    chain->Run(m);
    if (msg == WM_NCDESTROY && !chain->dead) {
        if (!chain->originalSawNcDestroy) chain->CallOriginal(m);
        chain->Dissolve();
    }
    --chain->running;
    if (chain->running == 0 && (chain->dead || chain->TryRelease())) delete chain;
    return m.Result;
}

TWindowSubclass::TWindowSubclass(HWND window, TProc proc, TGuardPolicy policy)
    : window_(window), proc_(std::move(proc)), policy_(policy) {
    if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        throw std::invalid_argument("Cannot subclass a window of another thread");
    auto* chain = static_cast<TChain*>(GetPropW(window, kChainProp));
    if (!chain) {
        chain = new TChain{window, nullptr, {}};
        if (!SetPropW(window, kChainProp, chain)) {
            delete chain;
            throw std::runtime_error("Cannot subclass the window");
        }
        chain->original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TChain::Proc)));
    }
    chain->links.push_back(this);
    chain_ = chain;
}

TWindowSubclass::~TWindowSubclass() {
    for (TFrame* f = frame_; f; f = f->outer)
        f->destroyed = true;
    if (!chain_) return;
    TChain* chain = chain_;
    chain->links.erase(std::find(chain->links.begin(), chain->links.end(), this));
    if (chain->TryRelease()) delete chain;
}

void TWindowSubclass::Dispatch(TMessage& m) {
    TFrame frame{frame_};
    frame_ = &frame;
    TChain* chain = chain_;
    bool ok = Guarded([&] { proc_(m); }, policy_);
    if (frame.destroyed) {
        // The procedure gave its subclass back; the chain record lives on
        // while the message is handled.
        if (!ok && !frame.passed && chain && !chain->dead) chain->CallOriginal(m);
        return;
    }
    frame_ = frame.outer;
    if (!ok && !frame.passed) CallPrevious(m);
}

void TWindowSubclass::CallPrevious(TMessage& m) {
    if (frame_) frame_->passed = true;
    if (!chain_) {
        m.Result = 0; // the window is gone
        return;
    }
    chain_->CallBelow(this, m);
}

LRESULT TWindowSubclass::CallPrevious(UINT msg, WPARAM wp, LPARAM lp) {
    TMessage m{msg, wp, lp, 0};
    CallPrevious(m);
    return m.Result;
}

} // namespace yq
