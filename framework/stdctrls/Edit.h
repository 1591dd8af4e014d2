#pragma once
// The platform's edit control as framework controls: TEdit (one line) and
// TMemo (several lines).  Text() follows what the user types.  MaxLength
// counts bytes of the text in GBK, the way the program's texts are stored
// (0: no limit); typing or pasting past it keeps what fits.
#include "StdTypes.h"
#include "WinControl.h"

#include <string>

namespace yq {

class TCustomEdit : public TWinControl {
    YQ_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner = nullptr);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int bytes);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // Shown for every character instead of the text (0: the text itself).
    int PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(int ch);
    // The user changed the text since the last SetText.
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    int SelStart();
    void SetSelStart(int start);
    void SelectAll();

    // Runs for every change of the text, typed or set.
    TNotifyEvent OnChange;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    // The text changed in the window (typed, pasted or set).
    virtual void Change();
    // Whether a change the user is making may go ahead (data-aware edits
    // refuse when there is nothing to edit).
    virtual bool CanChange() { return true; }
    bool SettingText() const { return settingText_ > 0; }
    // Sets the window text without counting it as the user's change.
    void SetTextQuietly(const std::wstring& text);

private:
    void OnEditCommand(TMessage& message);
    bool AcceptUserChange();
    void EnforceMaxLength();
    void RestoreText();
    void ReadWindowText();

    int maxLength_ = 0;
    bool readOnly_ = false;
    bool modified_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    int passwordChar_ = 0;
    int settingText_ = 0;
    int quiet_ = 0; // changes made while taking back a refused one
    std::wstring lastText_;
};

class TEdit : public TCustomEdit {
    YQ_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* owner = nullptr) : TCustomEdit(owner) {}
};

class TCustomMemo;

// The lines of a memo as it shows them: a long line wrapped at the box's
// width counts as several.  An empty last line (text ending in a line
// break) is not counted; an index past the end reads as "".
class TMemoLines {
public:
    explicit TMemoLines(TCustomMemo& memo) : memo_(memo) {}
    int Count() const;
    std::wstring operator[](int index) const;
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void Add(const std::wstring& line);
    void Clear();

private:
    TCustomMemo& memo_;
};

class TCustomMemo : public TCustomEdit {
    YQ_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* owner = nullptr);

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle bars);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool want);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool want) { wantTabs_ = want; }

    // Every text set (SetText, Lines) gets its line breaks (CR LF, lone
    // CR, lone LF) made CR LF, as the edit control needs.
    TMemoLines& Lines() { return lines_; }

protected:
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    friend class TMemoLines;
    // Style changes need a new window (the text is kept).
    void RecreateWindow();
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    TMemoLines lines_{*this};
};

class TMemo : public TCustomMemo {
    YQ_CLASS(TMemo, TCustomMemo)
public:
    explicit TMemo(TComponent* owner = nullptr) : TCustomMemo(owner) {}
};

// Line breaks of any kind made CR LF.
std::wstring AdjustLineBreaks(const std::wstring& text);
// Length of a text in GBK bytes (a character GBK lacks counts as one).
int GbkLength(const std::wstring& text);

} // namespace yq
