#include "Edit.h"

#include "Gbk.h"
#include "Scope.h"
#include "Text.h"

namespace yq {

namespace {
std::wstring WindowText(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(size_t(n) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(hwnd, text.data(), n + 1)));
    return text;
}
} // namespace

std::wstring AdjustLineBreaks(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            out += L"\r\n";
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

int GbkLength(const std::wstring& text) {
    return int(Utf8ToGbk(Narrow(text)).size());
}

// ---- TCustomEdit ------------------------------------------------------------

YQ_PUBLISHED(TCustomEdit, TWinControl) {
    r.WStr<const std::wstring&, const std::wstring&>("Text", &TControl::Text, &TControl::SetText);
    r.Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength);
    r.Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly);
    r.Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, {"bsNone", "bsSingle"});
    r.Int("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar);
}

YQ_CLASS_INFO(TEdit, TCustomEdit)

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    ControlStyle &= ~unsigned(csSetCaption);
}

void TCustomEdit::CreateParamsFor(CreateParams& params) {
    TWinControl::CreateParamsFor(params);
    params.superclass = L"EDIT";
    params.style |= ES_AUTOHSCROLL | WS_TABSTOP;
    if (readOnly_) params.style |= ES_READONLY;
    if (passwordChar_) params.style |= ES_PASSWORD;
    if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::HandleCreated() {
    TWinControl::HandleCreated();
    // The byte limit is enforced on each change; the window's own limit
    // (in characters) only has to let that many characters through.  0
    // lifts it, which a multi-line edit needs: its default stops typing near
    // 32 K characters.
    SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(maxLength_), 0);
    if (passwordChar_) SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(passwordChar_), 0);
    lastText_ = Text();
}

void TCustomEdit::SetMaxLength(int bytes) {
    maxLength_ = bytes < 0 ? 0 : bytes;
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    if (!HandleAllocated()) return;
    HWND h = Handle();
    LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    ex = style == TBorderStyle::bsSingle ? (ex | WS_EX_CLIENTEDGE) : (ex & ~LONG_PTR(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(h, GWL_EXSTYLE, ex);
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TCustomEdit::SetPasswordChar(int ch) {
    if (ch == passwordChar_) return;
    passwordChar_ = ch;
    if (!HandleAllocated()) return;
    // The password style is the platform's to switch; the character shows it.
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(ch), 0);
    Invalidate();
}

int TCustomEdit::SelStart() {
    DWORD start = 0;
    SendMessageW(Handle(), EM_GETSEL, WPARAM(&start), 0);
    return int(start);
}

void TCustomEdit::SetSelStart(int start) {
    SendMessageW(Handle(), EM_SETSEL, WPARAM(start), LPARAM(start));
}

void TCustomEdit::SelectAll() {
    SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::SetTextQuietly(const std::wstring& text) {
    TValueScope setting(settingText_, settingText_ + 1);
    SetText(text);
}

void TCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        OnEditCommand(message);
        return;
    }
    // Read-only edits ask with the static-control message.
    if ((message.Msg == CN_CTLCOLOREDIT || message.Msg == CN_CTLCOLORSTATIC) && Enabled()) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        message.Result = reinterpret_cast<LRESULT>(ColorBrush().Handle());
        return;
    }
    if (message.Msg == WM_SETTEXT) {
        TValueScope setting(settingText_, settingText_ + 1);
        TWinControl::WndProc(message);
        return;
    }
    TWinControl::WndProc(message);
}

void TCustomEdit::OnEditCommand(TMessage& message) {
    if (HIWORD(message.WParam) != EN_CHANGE || quiet_ > 0) return;
    if (!SettingText()) {
        if (!AcceptUserChange()) return;
        modified_ = true;
    }
    ReadWindowText();
    Change();
}

bool TCustomEdit::AcceptUserChange() {
    bool allowed = false;
    try {
        allowed = CanChange();
    } catch (...) {
        RestoreText();
        throw;
    }
    if (!allowed) {
        RestoreText();
        return false;
    }
    EnforceMaxLength();
    return WindowText(Handle()) != lastText_;
}

void TCustomEdit::RestoreText() {
    TValueScope quiet(quiet_, quiet_ + 1);
    SetWindowTextW(Handle(), lastText_.c_str());
    SendMessageW(Handle(), EM_SETSEL, lastText_.size(), lastText_.size());
}

void TCustomEdit::EnforceMaxLength() {
    if (maxLength_ <= 0) return;
    std::wstring text = WindowText(Handle());
    if (GbkLength(text) <= maxLength_) return;
    // Drop the characters just typed or pasted (those before the caret)
    // until the text fits.
    DWORD caret = 0;
    SendMessageW(Handle(), EM_GETSEL, 0, LPARAM(&caret));
    size_t pos = std::min<size_t>(caret, text.size());
    while (pos > 0 && GbkLength(text) > maxLength_) {
        size_t n = (pos >= 2 && IS_SURROGATE_PAIR(text[pos - 2], text[pos - 1])) ? 2 : 1;
        text.erase(pos - n, n);
        pos -= n;
    }
    while (GbkLength(text) > maxLength_)
        text.pop_back();
    TValueScope quiet(quiet_, quiet_ + 1);
    SetWindowTextW(Handle(), text.c_str());
    SendMessageW(Handle(), EM_SETSEL, pos, pos);
}

void TCustomEdit::ReadWindowText() {
    lastText_ = WindowText(Handle());
    SetCaptionField(lastText_);
}

void TCustomEdit::CMTextChanged(TMessage& message) {
    TWinControl::CMTextChanged(message);
    // With a window, EN_CHANGE reports the change.
    if (HandleAllocated()) return;
    TValueScope setting(settingText_, settingText_ + 1);
    Change();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

// ---- TCustomMemo ------------------------------------------------------------

YQ_PUBLISHED(TCustomMemo, TCustomEdit) {
    r.Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap);
    r.Enum("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars,
           {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
    r.Bool("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns);
    r.Bool("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs);
}

YQ_CLASS_INFO(TMemo, TCustomMemo)

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 185, 89);
}

void TCustomMemo::CreateParamsFor(CreateParams& params) {
    TCustomEdit::CreateParamsFor(params);
    params.style |= ES_MULTILINE | ES_AUTOVSCROLL;
    // The edit control treats itself as inside a dialog once asked for its
    // dialog code with a message (as the application's key routing does),
    // and then drops Enter unless told to keep it.
    if (wantReturns_) params.style |= ES_WANTRETURN;
    if (wordWrap_) params.style &= ~DWORD(ES_AUTOHSCROLL);
    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth)
        params.style |= WS_VSCROLL;
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth)
        params.style |= WS_HSCROLL;
}

void TCustomMemo::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    RecreateWindow();
}

void TCustomMemo::SetWantReturns(bool want) {
    if (want == wantReturns_) return;
    wantReturns_ = want;
    RecreateWindow();
}

void TCustomMemo::SetScrollBars(TScrollStyle bars) {
    if (bars == scrollBars_) return;
    scrollBars_ = bars;
    RecreateWindow();
}

void TCustomMemo::RecreateWindow() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    Handle();
}

void TCustomMemo::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SETTEXT: {
        std::wstring adjusted =
            AdjustLineBreaks(message.LParam ? reinterpret_cast<const wchar_t*>(message.LParam) : L"");
        LPARAM original = message.LParam;
        message.LParam = LPARAM(adjusted.c_str());
        TCustomEdit::WndProc(message);
        message.LParam = original;
        return;
    }
    case WM_GETDLGCODE:
        TCustomEdit::WndProc(message);
        if (!wantTabs_) message.Result &= ~LRESULT(DLGC_WANTTAB);
        if (!wantReturns_) message.Result &= ~LRESULT(DLGC_WANTALLKEYS);
        return;
    default:
        TCustomEdit::WndProc(message);
    }
}

// ---- TMemoLines -------------------------------------------------------------

int TMemoLines::Count() const {
    HWND h = memo_.Handle();
    int count = int(SendMessageW(h, EM_GETLINECOUNT, 0, 0));
    LRESULT lastStart = SendMessageW(h, EM_LINEINDEX, WPARAM(count - 1), 0);
    if (count > 0 && SendMessageW(h, EM_LINELENGTH, WPARAM(lastStart), 0) == 0) --count;
    return count;
}

std::wstring TMemoLines::operator[](int index) const {
    HWND h = memo_.Handle();
    if (index < 0 || index >= int(SendMessageW(h, EM_GETLINECOUNT, 0, 0))) return {};
    LRESULT start = SendMessageW(h, EM_LINEINDEX, WPARAM(index), 0);
    int length = int(SendMessageW(h, EM_LINELENGTH, WPARAM(start), 0));
    // EM_GETLINE takes the buffer size in its first word and may write one
    // character more than it reports.
    std::wstring line(size_t(std::max(length, 1)) + 1, L'\0');
    line[0] = wchar_t(line.size());
    int got = int(SendMessageW(h, EM_GETLINE, WPARAM(index), LPARAM(line.data())));
    line.resize(size_t(std::min(got, length)));
    return line;
}

std::wstring TMemoLines::Text() const {
    return memo_.Text();
}

void TMemoLines::SetText(const std::wstring& text) {
    memo_.SetText(text);
}

void TMemoLines::Add(const std::wstring& line) {
    std::wstring text = memo_.Text();
    if (!text.empty() && text.back() != L'\n') text += L"\r\n";
    memo_.SetText(text + line + L"\r\n");
}

void TMemoLines::Clear() {
    memo_.SetText(L"");
}

} // namespace yq
