#include "GalleryDialogs.h"

#include "Application.h"
#include "Button.h"
#include "CustomControl.h"
#include "Dialogs.h"
#include "GalleryForm.h"
#include "Label.h"
#include "PageControl.h"

#include <commdlg.h>

namespace yq::gallery {

YQ_CLASS_INFO(TMessageForm, TForm)

namespace {

// A system icon, windowless.
class TIconView : public TGraphicControl {
public:
    TIconView(TComponent* owner, const wchar_t* icon) : TGraphicControl(owner), icon_(icon) {}

protected:
    void Paint() override {
        DrawIconEx(Canvas().Handle(), 0, 0, LoadIconW(nullptr, icon_), 32, 32, 0, nullptr, DI_NORMAL);
    }

private:
    const wchar_t* icon_;
};

// Builds a DLGTEMPLATE with its items in memory (WORD aligned, items DWORD
// aligned).
class TTemplateBuilder {
public:
    TTemplateBuilder(const wchar_t* caption, int width, int height, int items) {
        DWORD style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        Dword(style);
        Dword(0);
        Word(WORD(items));
        Word(0), Word(0), Word(WORD(width)), Word(WORD(height));
        Word(0); // no menu
        Word(0); // the dialog class
        Text(caption);
        Word(9);
        Text(L"宋体");
    }
    void Item(WORD id, WORD cls, DWORD style, int x, int y, int w, int h, const wchar_t* text) {
        while (data_.size() % 2)
            data_.push_back(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word(WORD(x)), Word(WORD(y)), Word(WORD(w)), Word(WORD(h));
        Word(id);
        Word(0xFFFF);
        Word(cls);
        Text(text);
        Word(0); // no creation data
    }
    std::vector<WORD> data_;

private:
    void Word(WORD w) { data_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const wchar_t* s) {
        for (; *s; ++s)
            Word(*s);
        Word(0);
    }
};

// Predefined classes of dialog items.
constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kScrollBar = 0x84,
               kComboBox = 0x85;
constexpr WORD kCombo = 101, kList = 102;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        for (const wchar_t* s : {L"宋体", L"黑体", L"楷体"})
            SendDlgItemMessageW(dialog, kCombo, CB_ADDSTRING, 0, LPARAM(s));
        SendDlgItemMessageW(dialog, kCombo, CB_SETCURSEL, 0, 0);
        for (int i = 1; i <= 12; ++i)
            SendDlgItemMessageW(dialog, kList, LB_ADDSTRING, 0,
                                LPARAM((L"第 " + std::to_wstring(i) + L" 项").c_str()));
        CheckDlgButton(dialog, 104, BST_CHECKED);
        CheckRadioButton(dialog, 106, 107, 106);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wp));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::wstring& caption, const std::wstring& text,
                           bool withCancel)
    : TForm(owner) {
    SetName("MessageForm");
    SetCaption(caption);
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poMainFormCenter;
    SetClientSize(320, 120);
    auto* icon = new TIconView(this, IDI_INFORMATION);
    icon->SetBounds(16, 16, 32, 32);
    icon->SetParent(this);
    auto* label = new TLabel(this);
    label->SetName("lblText");
    label->SetWordWrap(true);
    label->SetAutoSize(false);
    label->SetBounds(64, 20, 240, 48);
    label->SetCaption(text);
    label->SetParent(this);
    int left = withCancel ? 150 : 230;
    auto* ok = new TButton(this);
    ok->SetName("btnOK");
    ok->SetCaption(L"确定");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->SetBounds(left, 80, 75, 25);
    ok->SetParent(this);
    if (withCancel) {
        auto* cancel = new TButton(this);
        cancel->SetName("btnCancel");
        cancel->SetCaption(L"取消");
        cancel->SetModalResult(mrCancel);
        cancel->SetCancel(true);
        cancel->SetBounds(left + 85, 80, 75, 25);
        cancel->SetParent(this);
    }
    SetActiveControl(ok);
}

std::vector<WORD> MakeDialogTemplate() {
    TTemplateBuilder t(L"平台对话框", 250, 170, 13);
    t.Item(100, kStatic, SS_LEFT, 8, 8, 60, 10, L"姓名：");
    t.Item(103, kEdit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 50, 6, 90, 12, L"张三");
    t.Item(104, kButton, BS_AUTOCHECKBOX | WS_TABSTOP, 8, 24, 80, 10, L"记住我");
    t.Item(105, kButton, BS_AUTOCHECKBOX | WS_TABSTOP | WS_DISABLED, 8, 36, 80, 10, L"不可用");
    t.Item(108, kButton, BS_GROUPBOX, 8, 50, 132, 36, L"性别");
    t.Item(106, kButton, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 16, 62, 50, 10, L"男");
    t.Item(107, kButton, BS_AUTORADIOBUTTON, 16, 72, 50, 10, L"女");
    t.Item(kCombo, kComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 8, 94, 132, 80, L"");
    t.Item(kList, kListBox, WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 150, 6, 92, 80, L"");
    t.Item(109, kScrollBar, SBS_HORZ, 150, 94, 92, 10, L"");
    t.Item(110, kStatic, SS_LEFT, 8, 114, 230, 20,
           L"这是一个平台对话框（类名 #32770），里面都是平台自己的控件。");
    t.Item(IDOK, kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 146, 60, 16, L"确定");
    t.Item(IDCANCEL, kButton, BS_PUSHBUTTON | WS_TABSTOP, 180, 146, 60, 16, L"取消");
    return t.data_;
}

INT_PTR RunPlatformDialog(HWND owner) {
    std::vector<WORD> data = MakeDialogTemplate();
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(data.data()),
                                   owner, &DialogProc, 0);
}

HWND CreatePlatformDialog(HWND owner) {
    std::vector<WORD> data = MakeDialogTemplate();
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(data.data()),
                                      owner, &DialogProc, 0);
}

// ---- the gallery's commands that open windows ---------------------------------

void TGalleryForm::ShowPlatformMessageBox() {
    int answer = MessageBoxW(Handle(), L"这是平台的消息框（MessageBox）。\n要继续吗？", L"平台消息框",
                             MB_YESNOCANCEL | MB_ICONQUESTION);
    Report(answer == IDYES ? L"消息框：是" : answer == IDNO ? L"消息框：否" : L"消息框：取消");
}

void TGalleryForm::ShowFrameworkMessageForm() {
    TMessageForm form(this, L"框架消息窗", L"这是用框架的窗体、标签和按钮做成的消息窗。", true);
    int result = form.ShowModal();
    Report(result == mrOk ? L"消息窗：确定" : L"消息窗：取消");
}

void TGalleryForm::ShowInputBox() {
    std::wstring value = L"灯谜";
    if (InputQuery(L"输入框", L"请输入一个谜底：", value, 20))
        Report(L"输入了：" + value);
    else
        Report(L"输入框：取消");
}

void TGalleryForm::ShowPlatformDialog() {
    INT_PTR result = RunPlatformDialog(Handle());
    Report(result == IDOK ? L"平台对话框：确定" : L"平台对话框：取消");
}

void TGalleryForm::ShowAbout() {
    TMessageForm form(this, L"关于皮肤画廊",
                      L"云樵皮肤画廊：每一种控件都在这里，皮肤引擎把它们画成皮肤的样子。", false);
    form.ShowModal();
}

void TGalleryForm::ShowTag99Form() {
    TForm form(this);
    form.SetName("Tag99Form");
    form.Tag = 99;
    form.SetCaption(L"标记 99：不换皮肤的窗口");
    form.Position = TPosition::poMainFormCenter;
    form.BorderStyle = TFormBorderStyle::bsDialog;
    form.SetClientSize(300, 110);
    auto* label = new TLabel(&form);
    label->SetCaption(L"这个窗口的 Tag 是 99，皮肤不画它。");
    label->SetBounds(16, 20, 270, 16);
    label->SetParent(&form);
    auto* ok = new TButton(&form);
    ok->SetName("btnOK");
    ok->SetCaption(L"关闭");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->SetBounds(210, 70, 75, 25);
    ok->SetParent(&form);
    form.ShowModal();
    Report(L"关闭了标记 99 的窗口");
}

void TGalleryForm::OpenSkin() {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = L"皮肤文件 (*.skn)\0*.skn\0所有文件 (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = L"打开皮肤";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&ofn)) return;
    std::wstring error = LoadSkinFile(file);
    if (!error.empty()) {
        MessageDlg(error, TMsgDlgType::mtError, mbOK);
        return;
    }
    Report(L"打开了皮肤：" + std::wstring(file));
}

} // namespace yq::gallery
