#pragma once
// RAII owners of GDI handles.  Each frees its handle exactly once; moving
// transfers ownership.
#include <utility>

#include <windows.h>

namespace yq {

template <class H> class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(H h) : h_(h) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void Reset(H h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }
    H Release() { return std::exchange(h_, nullptr); }

private:
    H h_ = nullptr;
};

using TFontHandle = TGdiObject<HFONT>;
using TPenHandle = TGdiObject<HPEN>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TBitmapHandle = TGdiObject<HBITMAP>;
using TRegionHandle = TGdiObject<HRGN>;

// A memory device context (CreateCompatibleDC / DeleteDC).
class TMemoryDC {
public:
    explicit TMemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
    ~TMemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A window's device context (GetDC / ReleaseDC).
class TWindowDC {
public:
    explicit TWindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~TWindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC for the lifetime of the guard.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~TSelectObject() {
        if (old_) SelectObject(dc_, old_);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// SaveDC / RestoreDC.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    ~TSavedDC() {
        if (id_) RestoreDC(dc_, id_);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int id_;
};

} // namespace yq
