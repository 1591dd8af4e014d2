// The edit window and the user riddle list window, created as at start-up
// over a small riddle database and a dm.txt of their own in a scratch
// folder (the store opens sk5.skn by bare name in the working directory).
#include "Application.h"
#include "DBCtrls.h"
#include "Edit.h"
#include "FlatPanel.h"
#include "Forms.h"
#include "Gbk.h"
#include "RiddleQuery.h"
#include "Text.h"
#include "VelaButton.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using namespace yq;
namespace fs = std::filesystem;

namespace {

const char* const kFixture = R"(
CREATE TABLE 灯谜库 (谜面 TEXT, 谜目 TEXT, 谜底 TEXT);
INSERT INTO 灯谜库 VALUES ('一口咬掉牛尾巴', '打一字', '告');
INSERT INTO 灯谜库 VALUES ('千里相逢', '打一字', '重');
INSERT INTO 灯谜库 VALUES ('明月', '打一成语', '月下');
)";

struct Box {
    std::wstring text, caption;
    UINT flags;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class EditListTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = fs::temp_directory_path() / fs::path(u8"云樵编辑测试");
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        MakeDatabase(dir_ / "sk5.skn");
        fs::current_path(dir_);

        TApplication& app = Application();
        app.Title = L"云樵";
        app.MessageBoxFunc = [](const std::wstring& text, const std::wstring& caption, UINT flags) {
            boxes_.push_back({text, caption, flags});
            return answer_;
        };
        app.OnException = [](TComponent*, std::exception_ptr error) {
            errors_.push_back(TApplication::ExceptionText(error));
        };
        app.CreateForm<TForm4>();
        app.CreateForm<TForm1>();
        app.CreateForm<TForm3>();
        // The list window is made by hand so that it reads our dm.txt.
        Form5Under(dir_ / "dm.txt", "甲 乙 丙\n");
    }

    void SetUp() override {
        boxes_.clear();
        errors_.clear();
        answer_ = IDNO;
        ReopenStore();
    }

    static void MakeDatabase(const fs::path& file, const char* extraSql = "") {
        fs::remove(file);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(reinterpret_cast<const char*>(file.u8string().c_str()), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, (std::string(kFixture) + extraSql).c_str(), nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }

    // The rows of the file, "谜面|谜目|谜底" each.  The store holds the
    // database exclusively: it is let go while the file is read.
    static std::vector<std::string> RowsOnDisk() {
        ReleaseStore();
        sqlite3* db = nullptr;
        sqlite3_open_v2(reinterpret_cast<const char*>((dir_ / "sk5.skn").u8string().c_str()), &db,
                        SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        std::vector<std::string> rows;
        if (sqlite3_prepare_v2(db, "SELECT 谜面 || '|' || 谜目 || '|' || 谜底 FROM 灯谜库 ORDER BY rowid", -1,
                               &stmt, nullptr) == SQLITE_OK)
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                auto* row = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
                rows.push_back(row ? row : "<null>");
            }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        OpenStore();
        return rows;
    }

    static void ReleaseStore() {
        Form1->ds1->SetDataSet(nullptr);
        Form1->adoquery1 = std::make_unique<TRiddleQuery>();
    }
    static void OpenStore() {
        Form1->ds1->SetDataSet(Form1->adoquery1.get());
        Form1->RunStatement("select * from 灯谜库");
    }
    // A fresh database (plus `extraSql`) with the store open on its first
    // riddle.
    static void ReopenStore(const char* extraSql = "") {
        ReleaseStore();
        MakeDatabase(dir_ / "sk5.skn", extraSql);
        OpenStore();
    }

    // Replaces the list window by one over `file`, made as start-up makes
    // it; `utf8` (unless empty) is first written there in GBK.
    static void Form5Under(const fs::path& file, const std::string& utf8) {
        if (!utf8.empty()) WriteBytes(file, Utf8ToGbk(utf8));
        delete Form5;
        auto* form = new TForm5(&Application());
        form->DataFile = file;
        form->DoCreate();
    }

    static void Type(TCustomEdit* box, const std::wstring& text) {
        SendMessageW(box->Handle(), EM_SETSEL, 0, -1);
        SendMessageW(box->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }

    static void CloseWindow(TForm* form) { SendMessageW(form->Handle(), WM_CLOSE, 0, 0); }

    static inline fs::path dir_;
    static inline std::vector<Box> boxes_;
    static inline std::vector<std::wstring> errors_;
    static inline int answer_ = IDNO;
};

// ---- edit window -------------------------------------------------------------

TEST_F(EditListTest, EditWindowHasItsBoxesOnTheStoreInTabOrder) {
    EXPECT_EQ(Form3->Width(), 402);
    EXPECT_EQ(Form3->Height(), 207);
    EXPECT_EQ(Form3->Font().Name(), L"宋体");
    EXPECT_EQ(Form3->Panel->BoundsRect().right, 8 + 369);
    EXPECT_EQ(Form3->Panel->Color(), clWhite);
    struct Case {
        TDBEdit* box;
        int top;
        const char* shown;
    } cases[] = {{Form3->RiddleBox, 24, "一口咬掉牛尾巴"},
                 {Form3->TargetBox, 64, "打一字"},
                 {Form3->AnswerBox, 104, "告"}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.box->Parent(), Form3->Panel);
        EXPECT_EQ(c.box->Top(), c.top);
        EXPECT_EQ(c.box->Left(), 144);
        EXPECT_EQ(c.box->Width(), 200);
        EXPECT_EQ(c.box->Font().Height(), -16);
        EXPECT_EQ(c.box->Font().Color(), clBlack);
        EXPECT_EQ(c.box->Text(), Widen(c.shown));
    }
    Form1->adoquery1->Next();
    EXPECT_EQ(Form3->RiddleBox->Text(), L"千里相逢");

    TVelaButton* button = Form3->ConfirmButton;
    EXPECT_EQ(button->Caption(), L"确认修改");
    EXPECT_EQ(button->BoundsRect().left, 24);
    EXPECT_EQ(button->BoundsRect().bottom, 23 + 72);
    EXPECT_EQ(button->Glyph()->Width(), 39);
    EXPECT_EQ(button->Glyph()->Height(), 40);
    EXPECT_EQ(button->NumGlyphs(), 1);
    EXPECT_EQ(button->Layout(), TLayout::blGlyphTop);
    EXPECT_EQ(button->ColorMarginStyle(), TColorMarginDefault::cmCustom);
    EXPECT_EQ(button->ColorMarginRightBottom(), clWhite);

    std::vector<TWinControl*> order;
    Form3->GetTabOrderList(order);
    std::vector<TWinControl*> expected{Form3->Panel, Form3->AnswerBox, Form3->RiddleBox, Form3->TargetBox,
                                       Form3->ConfirmButton};
    EXPECT_EQ(order, expected);
}

TEST_F(EditListTest, ConfirmAsksAboutTheStoredRiddleAndWritesOnlyOnYes) {
    const std::vector<std::string> unchanged{"一口咬掉牛尾巴|打一字|告", "千里相逢|打一字|重",
                                             "明月|打一成语|月下"};
    struct Case {
        const char* name;
        const wchar_t *riddle, *target, *answer;
        int reply;
        bool asks;
        std::vector<std::string> rows; // on disk afterwards
    } cases[] = {
        {"no riddle text", L"", L"打一字", L"x", IDYES, false, unchanged},
        {"no target", L"新谜", L"", L"x", IDYES, false, unchanged},
        {"answered No", L"新谜", L"打一字", L"x", IDNO, true, unchanged},
        {"answered Yes",
         L"新谜",
         L"打一物",
         L"新底",
         IDYES,
         true,
         {"一口咬掉牛尾巴|打一字|告", "新谜|打一物|新底", "明月|打一成语|月下"}},
        {"empty answer",
         L"新谜",
         L"打一物",
         L"",
         IDYES,
         true,
         {"一口咬掉牛尾巴|打一字|告", "新谜|打一物|", "明月|打一成语|月下"}},
    };
    for (const Case& c : cases) {
        ReopenStore();
        boxes_.clear();
        Form1->adoquery1->Next(); // 千里相逢
        Type(Form3->RiddleBox, c.riddle);
        Type(Form3->TargetBox, c.target);
        Type(Form3->AnswerBox, c.answer);
        answer_ = c.reply;
        Form3->ConfirmButton->Click();
        ASSERT_EQ(boxes_.size(), c.asks ? 1u : 0u) << c.name;
        if (c.asks) {
            // The question quotes the riddle as stored, not as typed.
            EXPECT_EQ(boxes_[0].text, L"当前灯谜〖千里相逢〗确认修改？") << c.name;
            EXPECT_EQ(boxes_[0].caption, L"云樵") << c.name;
            EXPECT_EQ(boxes_[0].flags, UINT(MB_YESNO | MB_ICONWARNING)) << c.name;
        }
        if (c.reply == IDYES && c.asks) {
            EXPECT_EQ(Form1->adoquery1->State(), TDataSetState::dsBrowse) << c.name;
            EXPECT_EQ(Form1->adoquery1->FieldText("谜面"), "新谜") << c.name;
        }
        // Replacing the statement drops what was typed and not confirmed.
        Form1->RunStatement("select * from 灯谜库");
        EXPECT_EQ(RowsOnDisk(), c.rows) << c.name;
        EXPECT_TRUE(errors_.empty()) << c.name;
    }
}

TEST_F(EditListTest, ConfirmQuotesTheCurrentRecord) {
    Form1->adoquery1->SetRecNo(3);
    Form3->ConfirmButton->Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"当前灯谜〖明月〗确认修改？");
    EXPECT_EQ(RowsOnDisk()[2], "明月|打一成语|月下");
}

TEST_F(EditListTest, RefusedUpdateShowsTheEnginesMessageAndKeepsTheTypedTexts) {
    ReopenStore(
        "CREATE TRIGGER refuse BEFORE UPDATE ON 灯谜库 BEGIN SELECT RAISE(ABORT, '不许这样改'); END;");
    answer_ = IDYES;
    Type(Form3->RiddleBox, L"拒绝");
    // Through the button's window, as a click arrives.
    HWND button = Form3->ConfirmButton->Handle();
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(boxes_.size(), 1u);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].find(L"不许这样改"), std::wstring::npos) << errors_[0];
    // The typed texts wait in the boxes for another try; the store holds
    // nothing that a move could write or fail on again.
    EXPECT_EQ(Form1->adoquery1->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Form3->RiddleBox->Text(), L"拒绝");
    Form1->adoquery1->Next();
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_EQ(Form3->RiddleBox->Text(), L"千里相逢");
}

// Typed texts that were never confirmed are dropped, never written, and no
// other view shows them.
TEST_F(EditListTest, UnconfirmedTextsAreDroppedEverywhere) {
    const std::vector<std::string> stored{"一口咬掉牛尾巴|打一字|告", "千里相逢|打一字|重",
                                          "明月|打一成语|月下"};
    // The store is made anew for every case: reach it through Form1.
    auto store = [] { return Form1->adoquery1.get(); };
    struct Case {
        const char* name;
        std::function<void()> leave; // what the user does after typing
        std::wstring riddleShown;    // in the riddle box afterwards
    } cases[] = {
        {"answered No",
         [&] {
             answer_ = IDNO;
             Form3->ConfirmButton->Click();
         },
         L"一口咬掉牛尾巴"},
        {"box closed",
         [&] {
             answer_ = IDCANCEL;
             Form3->ConfirmButton->Click();
         },
         L"一口咬掉牛尾巴"},
        {"row moved", [&] { store()->Next(); }, L"千里相逢"},
        {"row set by number", [&] { store()->SetRecNo(3); }, L"明月"},
        {"statement replaced", [&] { Form1->RunStatement("select * from 灯谜库"); }, L"一口咬掉牛尾巴"},
        {"window closed", [&] { CloseWindow(Form3); }, L"一口咬掉牛尾巴"},
    };
    for (const Case& c : cases) {
        ReopenStore();
        Form3->Show();
        Type(Form3->RiddleBox, L"未确认");
        Type(Form3->AnswerBox, L"");
        EXPECT_EQ(store()->State(), TDataSetState::dsBrowse) << c.name;
        EXPECT_EQ(Form1->RiddleLabel->Caption(), L"一口咬掉牛尾巴") << c.name;
        c.leave();
        EXPECT_EQ(Form3->RiddleBox->Text(), c.riddleShown) << c.name;
        EXPECT_EQ(Form1->RiddleLabel->Caption(), c.riddleShown) << c.name;
        EXPECT_EQ(RowsOnDisk(), stored) << c.name;
    }
    EXPECT_TRUE(errors_.empty());
}

// ---- list window -------------------------------------------------------------

TEST_F(EditListTest, ListWindowLayout) {
    EXPECT_EQ(Form5->Width(), 494);
    EXPECT_EQ(Form5->Height(), 399);
    EXPECT_EQ(Form5->Panel->ColorBorder(), TColor(0xBF0000));
    TMemo* memo = Form5->Memo1;
    EXPECT_EQ(memo->Parent(), Form5->Panel);
    EXPECT_EQ(memo->Left(), 2);
    EXPECT_EQ(memo->Top(), 2);
    EXPECT_EQ(memo->Width(), 456);
    EXPECT_EQ(memo->Height(), 301);
    EXPECT_EQ(memo->Font().Name(), L"楷体");
    EXPECT_EQ(memo->Font().Height(), -19);
    EXPECT_TRUE(memo->WordWrap());
    EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssNone);
    TVelaButton* strip = Form5->HintStrip;
    EXPECT_EQ(strip->Caption(), L"按格式输入即可，输入内容自动保存，在用户谜库中可进行预览");
    EXPECT_EQ(strip->ButtonStyle(), TStyle::stFrameLowered);
    EXPECT_EQ(strip->ColorMarginLeftTop(), clBtnShadow);
    EXPECT_EQ(strip->ColorMarginRightBottom(), clBtnHighlight);
    EXPECT_EQ(strip->Color(), clBtnFace);
    EXPECT_EQ(strip->Font().Name(), L"黑体");
    EXPECT_EQ(strip->Font().Color(), clPurple);
    EXPECT_TRUE(strip->Glyph()->Empty());
}

TEST_F(EditListTest, LoadMakesLineBreaksCrLfAndCloseWritesTheTextExactly) {
    fs::path file = dir_ / "load.txt";
    Form5Under(file, "甲 乙 丙\n丁 戊 己\r末行");
    EXPECT_EQ(Form5->ListText(), L"甲 乙 丙\r\n丁 戊 己\r\n末行");
    Form5->Show();
    CloseWindow(Form5);
    EXPECT_FALSE(IsWindowVisible(Form5->Handle()));
    EXPECT_EQ(ReadBytes(file), Utf8ToGbk("甲 乙 丙\r\n丁 戊 己\r\n末行"));

    // Every close writes; a trailing break stays, none is added.
    Form5->Show();
    Type(Form5->Memo1, L"一\r\n二\r\n");
    CloseWindow(Form5);
    EXPECT_EQ(ReadBytes(file), Utf8ToGbk("一\r\n二\r\n"));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(EditListTest, MissingFileAtStartGivesAnEmptyListAndTheCloseCreatesIt) {
    fs::path file = dir_ / "missing.txt";
    fs::remove(file);
    std::string error;
    try {
        Form5Under(file, "");
    } catch (const std::exception& e) {
        error = e.what();
    }
    EXPECT_EQ(error.rfind("Cannot open file \"", 0), 0u) << error;
    EXPECT_NE(error.find(Narrow(file.wstring())), std::string::npos) << error;
    EXPECT_EQ(Form5->ListText(), L"");
    EXPECT_EQ(Form5->LineCount(), 0);
    Form5->Show();
    CloseWindow(Form5);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(ReadBytes(file), "");
}

TEST_F(EditListTest, UnwritableFileKeepsTheWindowOpenWithItsText) {
    fs::path file = dir_ / "locked.txt";
    Form5Under(file, "甲");
    // Held open without sharing by another program.  (A read-only file would
    // do as well, but the tests may run with rights that ignore it.)
    HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Form5->Show();
    Type(Form5->Memo1, L"新的一行");
    CloseWindow(Form5);
    EXPECT_TRUE(IsWindowVisible(Form5->Handle()));
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].rfind(L"Cannot create file \"" + file.wstring() + L"\". ", 0), 0u) << errors_[0];
    EXPECT_EQ(Form5->ListText(), L"新的一行");
    CloseHandle(lock);
    EXPECT_EQ(ReadBytes(file), Utf8ToGbk("甲"));

    // Once the file can be written again the next close saves and hides.
    CloseWindow(Form5);
    EXPECT_FALSE(IsWindowVisible(Form5->Handle()));
    EXPECT_EQ(ReadBytes(file), Utf8ToGbk("新的一行"));
    EXPECT_EQ(errors_.size(), 1u);
}

// The read-only flag is honoured whoever runs the program.
TEST_F(EditListTest, ReadOnlyFileIsNotReplaced) {
    fs::path file = dir_ / "readonly.txt";
    Form5Under(file, "甲");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    Form5->Show();
    Type(Form5->Memo1, L"新的一行");
    CloseWindow(Form5);
    EXPECT_TRUE(IsWindowVisible(Form5->Handle()));
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].rfind(L"Cannot create file \"" + file.wstring() + L"\". ", 0), 0u) << errors_[0];
    EXPECT_EQ(ReadBytes(file), Utf8ToGbk("甲"));
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    CloseWindow(Form5);
}

TEST_F(EditListTest, QuizSeesUnsavedEditsAsLogicalLines) {
    fs::path file = dir_ / "lines.txt";
    Form5Under(file, "甲 乙 丙\n");
    EXPECT_EQ(Form5->LineCount(), 1);
    // A line far wider than the box wraps on screen but is one riddle.
    std::wstring longLine(80, L'谜');
    Type(Form5->Memo1, L"一 二 三\r\n" + longLine + L"\r\n\r\n四 五");
    EXPECT_GT(SendMessageW(Form5->Memo1->Handle(), EM_GETLINECOUNT, 0, 0), 4);
    EXPECT_EQ(Form5->LineCount(), 4);
    EXPECT_EQ(Form5->Line(0), L"一 二 三");
    EXPECT_EQ(Form5->Line(1), longLine);
    EXPECT_EQ(Form5->Line(2), L"");
    EXPECT_EQ(Form5->Line(3), L"四 五");
    EXPECT_EQ(Form5->Line(4), L"");
    EXPECT_EQ(ReadBytes(file), Utf8ToGbk("甲 乙 丙\n"));
}

} // namespace
