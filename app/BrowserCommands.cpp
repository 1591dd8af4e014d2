// The browser window's commands: category query, sort toggle, searches,
// the companion program, the search menu and the wheel filter.
#include "BrowserForm.h"

#include "DBGrid.h"
#include "Dialogs.h"
#include "ExeFolder.h"
#include "Forms.h"
#include "Gbk.h"
#include "Menus.h"
#include "RiddleQuery.h"
#include "Text.h"
#include "Tokens.h"
#include "VertListView.h"

#include <shellapi.h>

namespace yq {

namespace {

constexpr int kKeywordMaxBytes = 255;

std::string LikeStatement(const std::string& field, const std::string& text) {
    return "select * from 灯谜库 where " + field + " like \"%" + text + "%\"";
}

} // namespace

void TForm4::CategoryQuery(TDCVertListView& list) {
    TDCVertListItem* item = list.Selected();
    if (!item) return;
    Form1->RunStatement(LikeStatement("谜目", Narrow(item->Caption())));
}

void TForm4::SortToggle(const std::wstring& field) {
    if (field != sortField_) {
        Form1->adoquery1->SetSort(Narrow(field) + " ASC");
        sortField_ = field;
    } else {
        Form1->adoquery1->SetSort(Narrow(field) + " DESC");
        sortField_.clear();
    }
}

void TForm4::Search(const std::wstring& field) {
    std::wstring input;
    if (!InputQuery(L"谜面搜索", L"请输入搜索关键字......    ", input, kKeywordMaxBytes) || input.empty())
        return;
    // Only the Chinese characters of the input are searched for.
    std::string keyword = KeepHighBytes(Utf8ToGbk(Narrow(input)));
    if (!HasMultiByteChar(keyword)) {
        ShowMessage(L"请输入搜索关键字");
        return;
    }
    std::string keywordUtf8 = GbkToUtf8(keyword);
    Form1->RunStatement(LikeStatement(Narrow(field), keywordUtf8));
    if (Form1->adoquery1->RecordCount() == 0) ShowMessage(Widen(keywordUtf8) + L" 没有搜索到结果！");
}

void TForm4::StartKnowledgeProgram() {
    // Whether it started is not checked: a missing program shows nothing.
    std::wstring path = ExeFolder() + L"yqzs.exe";
    ShellExecuteW(Handle(), nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm4::PopupSearchMenu() {
    POINT p{};
    GetCursorPos(&p);
    pmSearch->Popup(p.x, p.y);
}

void TForm4::TranslateWheel(MSG& msg) const {
    if (msg.message != WM_MOUSEWHEEL || ActiveControl() != dbgrd1) return;
    short distance = GET_WHEEL_DELTA_WPARAM(msg.wParam);
    msg.message = WM_KEYDOWN;
    msg.wParam = distance > 0 ? VK_UP : VK_DOWN;
    msg.lParam = 0;
}

} // namespace yq
