// The browser window over a small riddle store: category bar from a
// category file, category query, sort toggle, searches with their
// messages, the wheel filter and the buttons that open the other windows.
#include "Application.h"
#include "BrowserBar.h"
#include "DBCtrls.h"
#include "DBGrid.h"
#include "Edit.h"
#include "ExeFolder.h"
#include "ExtCtrls.h"
#include "FlatPanel.h"
#include "Forms.h"
#include "Gbk.h"
#include "Label.h"
#include "Menus.h"
#include "OutBarVertListView.h"
#include "RiddleQuery.h"
#include "Screen.h"
#include "Startup.h"
#include "Text.h"
#include "VelaButton.h"
#include "input_box_driver.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace yq;
namespace fs = std::filesystem;

namespace {

constexpr const char* kAll = "select * from 灯谜库";

// Engine order is rowid order: 明月 comes before the riddles of 打一字.
const char* const kRiddles = R"(
CREATE TABLE 灯谜库 (谜面 TEXT, 谜目 TEXT, 谜底 TEXT);
INSERT INTO 灯谜库 VALUES ('明月', '打一成语', '月下');
INSERT INTO 灯谜库 VALUES ('一口咬掉牛尾巴', '打一字', '告');
INSERT INTO 灯谜库 VALUES ('千里相逢', '打一字', '重');
INSERT INTO 灯谜库 VALUES ('半个月亮', '打一字', '胖');
INSERT INTO 灯谜库 VALUES ('孔明借箭', '打三国人名', '诸葛亮');
)";

const char* const kCategories = "; sub-categories\r\n"
                                "[setup]\r\n"
                                "zici=一字  成语\r\n"
                                "renmin= 人名 \r\n"
                                "[other]\r\n"
                                "wenhua=不要\r\n";

struct Box {
    std::wstring text, caption;
    UINT flags;
};
std::vector<Box> boxes;

// Items of every group right after the window's creation step.
int itemsAfterCreation = -1;

fs::path folder;

int ItemCount() {
    int n = 0;
    for (int i = 0; i < Form4->dctbr1->GroupCount(); ++i)
        n += CategoryList(*Form4->dctbr1, i)->Items().Count();
    return n;
}

std::string Field(const char* name) {
    return Form1->adoquery1->FieldText(name);
}

class BrowserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The store opens sk5.skn by bare name: give it a folder of its own.
        folder = fs::temp_directory_path() / ("yq_browser_" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder); // left by an earlier run with the same process id
        fs::create_directories(folder);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((folder / "sk5.skn").string().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, kRiddles, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        std::ofstream(folder / "sk2.skn", std::ios::binary) << Utf8ToGbk(kCategories);
        fs::current_path(folder);

        TApplication& app = Application();
        app.Title = L"云樵";
        app.MessageBoxFunc = [](const std::wstring& text, const std::wstring& caption, UINT flags) {
            boxes.push_back({text, caption, flags});
            return IDOK;
        };
        ASSERT_FALSE(FileExists(ExeFolder() + L"sk2.skn"));
        app.CreateForm<TForm4>();
        itemsAfterCreation = ItemCount();
        app.CreateForm<TForm1>();
        app.CreateForm<TForm3>();
        app.CreateForm<TForm5>();
        if (Form1->adoquery1->State() == TDataSetState::dsInactive) Form1->RunStatement(kAll);
        Form4->FillCategories(folder / "sk2.skn");
    }

    void SetUp() override {
        boxes.clear();
        Form1->RunStatement(kAll);
    }

    static TDCOutBarVertListView& List(int group) { return *CategoryList(*Form4->dctbr1, group); }

    // A press and release on the middle of a column's title.
    static void ClickTitle(int column) {
        HWND grid = Form4->dbgrd1->Handle();
        int x = column == 0 ? 135 : 270 + 130;
        LPARAM at = MAKELPARAM(x, 5);
        SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(grid, WM_LBUTTONUP, 0, at);
    }
};

TEST_F(BrowserTest, CategoryFileFillsTheGroupsInOrder) {
    EXPECT_EQ(itemsAfterCreation, 0); // no sk2.skn beside the executable
    std::vector<std::vector<std::wstring>> expected = {{L"一字", L"成语"}, {}, {}, {}, {L"人名"}, {}};
    for (int g = 0; g < 6; ++g) {
        std::vector<std::wstring> captions;
        for (int i = 0; i < List(g).Items().Count(); ++i)
            captions.push_back(List(g).Items()[i]->Caption());
        EXPECT_EQ(captions, expected[size_t(g)]) << g;
    }
}

TEST_F(BrowserTest, CategoryItemMovesTheStoreToTheCategorysFirstRiddle) {
    List(0).SetSelected(nullptr);
    List(0).SetSelected(List(0).Items()[0]); // 一字
    EXPECT_EQ(Form1->adoquery1->RecordCount(), 3);
    EXPECT_EQ(Field("谜面"), "一口咬掉牛尾巴");
    EXPECT_EQ(Form4->lblAnswer->Caption(), L"告");
    List(4).SetSelected(List(4).Items()[0]); // 人名
    EXPECT_EQ(Field("谜面"), "孔明借箭");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BrowserTest, TitleClicksToggleTheSort) {
    struct Case {
        std::vector<int> clicks;
        std::vector<std::string> sorts;
    } cases[] = {
        {{0, 0, 0}, {"谜面 ASC", "谜面 DESC", "谜面 ASC"}},
        {{0, 1}, {"谜面 ASC", "谜目 ASC"}},
        {{1, 1, 0}, {"谜目 ASC", "谜目 DESC", "谜面 ASC"}},
    };
    for (const Case& c : cases) {
        // Start with no remembered field.
        if (!Form4->SortField().empty()) Form4->SortToggle(Form4->SortField());
        std::vector<std::string> sorts;
        for (int column : c.clicks) {
            ClickTitle(column);
            sorts.push_back(Form1->adoquery1->Sort());
        }
        EXPECT_EQ(sorts, c.sorts);
    }
}

TEST_F(BrowserTest, RememberedSortFieldOutlivesQueries) {
    if (!Form4->SortField().empty()) Form4->SortToggle(Form4->SortField());
    ClickTitle(0);
    ASSERT_EQ(Form1->adoquery1->Sort(), "谜面 ASC");
    List(0).SetSelected(nullptr);
    List(0).SetSelected(List(0).Items()[0]);
    EXPECT_EQ(Form1->adoquery1->Sort(), "");
    ClickTitle(0);
    EXPECT_EQ(Form1->adoquery1->Sort(), "谜面 DESC");
    // In GBK (pinyin) order 一 comes after 半 and 千: first when descending.
    EXPECT_EQ(Field("谜面"), "一口咬掉牛尾巴");
}

TEST_F(BrowserTest, SearchesKeepTheChineseCharactersAndReportWhatTheyFind) {
    struct Case {
        TMenuItem* item;
        std::wstring typed;
        WPARAM key;
        const char* firstRiddle; // current riddle afterwards (nullptr: empty result)
        int count;
        std::wstring message; // "" for no message
    } cases[] = {
        {Form4->miSearchRiddle, L"月", VK_ESCAPE, "明月", 5, L""}, // cancelled
        {Form4->miSearchRiddle, L"", VK_RETURN, "明月", 5, L""},   // empty
        {Form4->miSearchRiddle, L"abc 1", VK_RETURN, "明月", 5, L"请输入搜索关键字"},
        {Form4->miSearchRiddle, L"a月b", VK_RETURN, "明月", 2, L""},
        {Form4->miSearchRiddle, L"x龙y", VK_RETURN, nullptr, 0, L"龙 没有搜索到结果！"},
        {Form4->miSearchAnswer, L"诸葛", VK_RETURN, "孔明借箭", 1, L""},
        {Form4->miSearchAnswer, L"明月", VK_RETURN, nullptr, 0, L"明月 没有搜索到结果！"},
    };
    for (const Case& c : cases) {
        SetUp();
        yq::testing::InputScript s{c.typed, c.key};
        s.Arm();
        c.item->Click();
        SCOPED_TRACE(Narrow(c.typed));
        EXPECT_EQ(s.seenCaption, L"谜面搜索");
        EXPECT_EQ(s.seenPrompt, L"请输入搜索关键字......    ");
        EXPECT_EQ(Form1->adoquery1->RecordCount(), c.count);
        EXPECT_EQ(Field("谜面"), c.firstRiddle ? c.firstRiddle : "");
        if (c.message.empty()) {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, c.message);
            EXPECT_EQ(boxes[0].caption, L"云樵");
            EXPECT_EQ(boxes[0].flags, UINT(MB_OK));
        }
    }
}

TEST_F(BrowserTest, WheelBecomesOneArrowKeyWhileTheGridIsActive) {
    struct Case {
        TWinControl* active;
        HWND target;
        short distance;
        UINT message;
        WPARAM key;
    } cases[] = {
        {Form4->dbgrd1, Form4->dbgrd1->Handle(), 120, WM_KEYDOWN, VK_UP},
        {Form4->dbgrd1, Form4->dbgrd1->Handle(), 360, WM_KEYDOWN, VK_UP},
        {Form4->dbgrd1, Form4->dbgrd1->Handle(), -120, WM_KEYDOWN, VK_DOWN},
        {Form4->dbgrd1, Form4->dbgrd1->Handle(), 0, WM_KEYDOWN, VK_DOWN},
        {Form4->dbgrd1, Form1->Handle(), 120, WM_KEYDOWN, VK_UP}, // another window's wheel too
        {Form4->btnQuiz, Form4->dbgrd1->Handle(), 120, WM_MOUSEWHEEL, MAKEWPARAM(0, 120)},
        {nullptr, Form4->dbgrd1->Handle(), -120, WM_MOUSEWHEEL, MAKEWPARAM(0, -120)},
    };
    for (const Case& c : cases) {
        Form4->SetActiveControl(c.active);
        MSG msg{c.target, WM_MOUSEWHEEL, MAKEWPARAM(0, c.distance), MAKELPARAM(10, 10), 0, {}};
        bool handled = false;
        Application().OnMessage(msg, handled);
        EXPECT_FALSE(handled);
        EXPECT_EQ(msg.hwnd, c.target);
        EXPECT_EQ(msg.message, c.message) << c.distance;
        EXPECT_EQ(msg.wParam, c.key) << c.distance;
        EXPECT_EQ(msg.lParam, c.message == WM_KEYDOWN ? 0 : MAKELPARAM(10, 10));
    }
    MSG other{Form4->dbgrd1->Handle(), WM_MOUSEMOVE, 0, 7, 0, {}};
    Form4->SetActiveControl(Form4->dbgrd1);
    Form4->TranslateWheel(other);
    EXPECT_EQ(other.message, UINT(WM_MOUSEMOVE));
    EXPECT_EQ(other.lParam, 7);
    Form4->SetActiveControl(nullptr);
}

TEST_F(BrowserTest, WheelThroughTheEventLoopMovesTheGridByOneRow) {
    Form4->Show();
    Form4->SetActiveControl(Form4->dbgrd1);
    Application().ProcessMessages();
    ASSERT_EQ(Form1->adoquery1->RecNo(), 1);
    struct Step {
        short distance;
        int recNo;
    } steps[] = {{-120, 2}, {-240, 3}, {120, 2}, {-120, 3}, {-120, 4}, {-120, 5}, {-120, 5}};
    for (const Step& s : steps) {
        PostMessageW(Form4->dbgrd1->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, s.distance), 0);
        Application().ProcessMessages();
        EXPECT_EQ(Form1->adoquery1->RecNo(), s.recNo) << s.distance;
    }
    EXPECT_EQ(Form1->adoquery1->RecordCount(), 5);
    Form4->SetActiveControl(nullptr);
    Form4->Hide();
}

TEST_F(BrowserTest, ButtonsAndGridDoubleClickOpenTheOtherWindows) {
    struct Case {
        std::function<void()> act;
        TForm* shown;
    } cases[] = {
        {[] { Form4->btnQuiz->Click(); }, Form1},
        {[] { Form4->btnAdd->Click(); }, Form5},
        {[] { Form4->btnEdit->Click(); }, Form3},
        {[] { SendMessageW(Form4->dbgrd1->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 60)); },
         Form3},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(IsWindowVisible(c.shown->Handle())) << c.shown->Caption();
        c.shown->Hide();
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BrowserTest, LayoutFollowsTheWindowDefinition) {
    auto bounds = [](TControl* c) { return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()}; };
    EXPECT_EQ(bounds(Form4->pnlMain), (std::vector<int>{8, 8, 769, 545}));
    EXPECT_EQ(bounds(Form4->imgHeader), (std::vector<int>{2, 2, 765, 62}));
    EXPECT_EQ(bounds(Form4->dctbr1), (std::vector<int>{16, 72, 169, 465}));
    EXPECT_EQ(bounds(Form4->dbgrd1), (std::vector<int>{200, 72, 553, 409}));
    EXPECT_EQ(bounds(Form4->pnlButtons), (std::vector<int>{200, 488, 553, 49}));
    struct Button {
        TVelaButton* button;
        const wchar_t* caption;
        int left, width;
    } buttons[] = {{Form4->btnQuiz, L"猜谜游戏", 21, 100}, {Form4->btnKnowledge, L"灯谜知识", 133, 100},
                   {Form4->btnRead, L"朗读", 246, 66},     {Form4->btnAdd, L"添加", 319, 66},
                   {Form4->btnSearch, L"搜索", 392, 66},   {Form4->btnEdit, L"修改", 465, 66}};
    for (const Button& b : buttons) {
        EXPECT_EQ(b.button->Caption(), b.caption);
        EXPECT_EQ(bounds(b.button), (std::vector<int>{b.left, 11, b.width, 30})) << Narrow(b.caption);
        EXPECT_EQ(b.button->Glyph()->Width(), 19);
        EXPECT_EQ(b.button->Glyph()->Height(), 20);
    }
    TDBGrid& grid = *Form4->dbgrd1;
    ASSERT_EQ(grid.Columns().Count(), 2);
    EXPECT_EQ(grid.Columns()[0].TitleText(), L"灯谜谜面");
    EXPECT_EQ(grid.Columns()[1].FieldName(), L"谜目");
    EXPECT_EQ(grid.Columns()[1].Width(), 260);
    std::vector<std::wstring> menu;
    for (int i = 0; i < Form4->pmSearch->Items()->Count(); ++i)
        menu.push_back(Form4->pmSearch->Items()->Items(i)->Caption());
    EXPECT_EQ(menu, (std::vector<std::wstring>{L"搜索谜面", L"-", L"搜索谜底"}));

    // The answer label keeps its right edge whatever the answer's length.
    for (int recNo : {1, 5, 2}) {
        Form1->adoquery1->SetRecNo(recNo);
        EXPECT_EQ(Form4->lblAnswer->Caption(), Widen(Field("谜底")));
        EXPECT_EQ(Form4->lblAnswer->Left() + Form4->lblAnswer->Width(), 745) << recNo;
        EXPECT_EQ(Form4->lblAnswer->Top(), 24);
    }
}

} // namespace
