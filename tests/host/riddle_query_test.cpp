#include "GbkSortKey.h"
#include "RiddleQuery.h"

#include "Gbk.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace yq;
namespace fs = std::filesystem;

namespace {

constexpr const char* kAll = "select * from 灯谜库";
const std::string kByTarget = "select * from 灯谜库 where 谜目 like \"%";
const std::string kByRiddle = "select * from 灯谜库 where 谜面 like \"%";
const std::string kByAnswer = "select * from 灯谜库 where 谜底 like \"%";
const std::string kEnd = "%\"";

// Engine order = rowid order.  In GBK (pinyin) order the riddles of 打一字
// are 爸 半 千 一; in code point order they would be 一 千 半 爸.
const char* const kFixture = R"(
CREATE TABLE 灯谜库 (谜面 TEXT, 谜目 TEXT, 谜底 TEXT, 备注 TEXT);
INSERT INTO 灯谜库 VALUES ('一口咬掉牛尾巴', '打一字', '告', 'x');
INSERT INTO 灯谜库 VALUES ('千里相逢', '打一字', '重', NULL);
INSERT INTO 灯谜库 VALUES ('明月', '打一成语', '月下', NULL);
INSERT INTO 灯谜库 VALUES ('半个月亮', '打一字', '胖', NULL);
INSERT INTO 灯谜库 VALUES ('他说"好"', '打"引号"字', '答', NULL);
INSERT INTO 灯谜库 VALUES ('爸爸回来', '打一字', NULL, NULL);
CREATE TRIGGER refuse BEFORE UPDATE ON 灯谜库 WHEN NEW.谜面 = '拒绝'
BEGIN SELECT RAISE(ABORT, '不许这样改'); END;
)";

void Exec(const fs::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

// One column of the table as another connection sees it ("<null>" for NULL).
std::vector<std::string> Column(const fs::path& file, const std::string& column) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    std::vector<std::string> values;
    std::string sql = "SELECT " + column + " FROM 灯谜库 ORDER BY rowid";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK)
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            values.push_back(text ? text : "<null>");
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return values;
}

class Recorder final : public TDataSetObserver {
public:
    void DataEvent(TDataEvent event) override { events.push_back(event); }
    std::vector<TDataEvent> Take() { return std::exchange(events, {}); }
    std::vector<TDataEvent> events;
};

class RiddleQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("yq-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                std::to_string(counter++) + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(dir_);
        file_ = dir_ / "sk5.skn";
        Exec(file_, kFixture);
        query_ = std::make_unique<TRiddleQuery>();
        query_->FileName = file_.string();
        query_->AddObserver(&recorder_);
    }
    void TearDown() override {
        Release();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Lets go of the database file, so that others can look at it.
    void Release() {
        if (query_) query_->RemoveObserver(&recorder_);
        query_.reset();
    }
    void Replace(const std::string& statement) {
        query_->SQL.Clear();
        query_->SQL.Add(statement);
        query_->Open();
    }
    // The result's riddle texts in the current order.
    std::vector<std::string> Riddles() const {
        std::vector<std::string> list;
        for (int i = 1; i <= query_->RecordCount(); ++i)
            list.push_back(query_->FieldTextAt(i, "谜面"));
        return list;
    }

    fs::path dir_, file_;
    std::unique_ptr<TRiddleQuery> query_;
    Recorder recorder_;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(RiddleQueryTest, AnswersEachStatementWithTheRowsItSelects) {
    struct Case {
        std::string statement;
        Strings riddles;
    } cases[] = {
        {kAll, {"一口咬掉牛尾巴", "千里相逢", "明月", "半个月亮", "他说\"好\"", "爸爸回来"}},
        {kByTarget + "打一字" + kEnd, {"一口咬掉牛尾巴", "千里相逢", "半个月亮", "爸爸回来"}},
        {kByRiddle + "月" + kEnd, {"明月", "半个月亮"}},
        {kByAnswer + "月" + kEnd, {"明月"}},
        {kByTarget + "一" + kEnd, {"一口咬掉牛尾巴", "千里相逢", "明月", "半个月亮", "爸爸回来"}},
        // A caption holding double quotes is searched for as it stands.
        {kByTarget + "\"引号\"" + kEnd, {"他说\"好\""}},
        {kByTarget + "\" or 1=1 or \"" + kEnd, {}},
        // LIKE wildcards inside the text keep their meaning.
        {kByRiddle + "一_咬" + kEnd, {"一口咬掉牛尾巴"}},
        // "%%" matches every answer but a missing one.
        {kByAnswer + kEnd, {"一口咬掉牛尾巴", "千里相逢", "明月", "半个月亮", "他说\"好\""}},
    };
    for (const Case& c : cases) {
        Replace(c.statement);
        ASSERT_EQ(query_->SQL.Count(), 1);
        EXPECT_EQ(query_->SQL[0], c.statement);
        EXPECT_EQ(Riddles(), c.riddles) << c.statement;
        EXPECT_EQ(query_->RecordCount(), int(c.riddles.size()));
        EXPECT_EQ(query_->RecNo(), c.riddles.empty() ? 0 : 1);
        EXPECT_EQ(query_->Eof(), c.riddles.empty());
        EXPECT_EQ(query_->FieldByName("谜面").AsString(), c.riddles.empty() ? "" : c.riddles[0]);
    }
}

TEST_F(RiddleQueryTest, EmptyResultShowsNothingAndIsAtTheEnd) {
    Replace(kByTarget + "打一谜" + kEnd);
    EXPECT_EQ(query_->RecordCount(), 0);
    EXPECT_EQ(query_->RecNo(), 0);
    EXPECT_TRUE(query_->Eof());
    for (auto field : kRiddleFields)
        EXPECT_EQ(query_->FieldText(field), "");
    query_->First();
    query_->Next();
    query_->SetRecNo(1);
    EXPECT_TRUE(query_->Eof());
    EXPECT_EQ(query_->RecNo(), 0);
    EXPECT_THROW(query_->Edit(), EDatabaseError);
    query_->SetSort("谜面 ASC");
    EXPECT_EQ(query_->RecordCount(), 0);
}

TEST_F(RiddleQueryTest, RecNoMovesOnlyToAnotherRowInRange) {
    Replace(kAll);
    recorder_.Take();
    query_->SetRecNo(1); // the current row: nothing happens
    EXPECT_TRUE(recorder_.Take().empty());
    query_->SetRecNo(4);
    EXPECT_EQ(query_->RecNo(), 4);
    EXPECT_EQ(query_->FieldText("谜面"), "半个月亮");
    EXPECT_EQ(recorder_.Take(), std::vector{TDataEvent::deRecordChange});
    for (int outside : {0, -1, 7, 11061}) {
        query_->SetRecNo(outside);
        EXPECT_EQ(query_->RecNo(), 4) << outside;
    }
    EXPECT_TRUE(recorder_.Take().empty());
}

TEST_F(RiddleQueryTest, FirstNextAndEofWalkTheResult) {
    Replace(kByRiddle + "月" + kEnd);
    EXPECT_FALSE(query_->Eof());
    query_->Next();
    EXPECT_EQ(query_->RecNo(), 2);
    EXPECT_FALSE(query_->Eof());
    query_->Next(); // at the last row: the record stays, the flag is set
    EXPECT_EQ(query_->RecNo(), 2);
    EXPECT_EQ(query_->FieldText("谜面"), "半个月亮");
    EXPECT_TRUE(query_->Eof());
    query_->First();
    EXPECT_EQ(query_->RecNo(), 1);
    EXPECT_FALSE(query_->Eof());
    query_->Prior();
    EXPECT_EQ(query_->RecNo(), 1);
}

TEST_F(RiddleQueryTest, SortReordersTheResultInGbkOrderUntilTheNextStatement) {
    Replace(kByTarget + "打一字" + kEnd);
    const Strings engine = {"一口咬掉牛尾巴", "千里相逢", "半个月亮", "爸爸回来"};
    const Strings ascending = {"爸爸回来", "半个月亮", "千里相逢", "一口咬掉牛尾巴"};
    query_->SetRecNo(3);
    recorder_.Take();
    query_->SetSort("谜面 ASC");
    EXPECT_EQ(Riddles(), ascending);
    EXPECT_EQ(query_->RecNo(), 1);
    EXPECT_EQ(query_->FieldText("谜面"), "爸爸回来");
    EXPECT_EQ(recorder_.Take(), std::vector{TDataEvent::deDataSetChange});
    query_->SetSort("谜面 DESC");
    EXPECT_EQ(Riddles(), Strings(ascending.rbegin(), ascending.rend()));
    // Equal targets keep the engine's order, whichever way.
    query_->SetSort("谜目 desc");
    EXPECT_EQ(Riddles(), engine);
    EXPECT_THROW(query_->SetSort("谜语 ASC"), EDatabaseError);
    EXPECT_THROW(query_->SetSort("谜面 UP"), EDatabaseError);
    EXPECT_EQ(query_->Sort(), "谜目 desc");
    query_->SetSort("");
    EXPECT_EQ(Riddles(), engine);

    query_->SetSort("谜面 ASC");
    Replace(kByTarget + "打一字" + kEnd);
    EXPECT_EQ(query_->Sort(), "");
    EXPECT_EQ(Riddles(), engine);
}

// Texts alike in their first four characters (or wholly equal) are told
// apart by the rest of their keys; equal ones keep the engine's order.
TEST_F(RiddleQueryTest, SortLooksPastTheCommonStartOfTexts) {
    Exec(file_, "DELETE FROM 灯谜库;"
                "INSERT INTO 灯谜库 VALUES ('春眠不觉晓乙', '打一字', 'a', NULL), ('春眠不觉晓', '打一字', "
                "'b', NULL),"
                "('春眠不觉晓甲', '打一字', 'c', NULL), ('春眠不觉', '打一字', 'd', NULL), ('春眠不觉晓乙', "
                "'打一字', 'e', NULL),"
                "('abcdefgh2', '打一字', 'f', NULL), ('abcdefgh10', '打一字', 'g', NULL);");
    Replace("select * from 灯谜库");
    query_->SetSort("谜面 ASC");
    std::vector<std::string> answers;
    for (int i = 1; i <= query_->RecordCount(); ++i)
        answers.push_back(query_->FieldTextAt(i, "谜底"));
    // ASCII before Chinese; 甲 (jia) before 乙 (yi) in GBK; a shorter text first.
    EXPECT_EQ(answers, (Strings{"g", "f", "d", "b", "c", "a", "e"}));
}

// A table whose rowids have gaps (rows deleted by another program) still
// matches, shows and writes the right rows.
TEST_F(RiddleQueryTest, RowidsWithGapsStillFindTheirRows) {
    Exec(file_, "DELETE FROM 灯谜库 WHERE rowid IN (2, 3);");
    Replace(kByTarget + "打一字" + kEnd);
    EXPECT_EQ(Riddles(), (Strings{"一口咬掉牛尾巴", "半个月亮", "爸爸回来"}));
    query_->SetRecNo(2);
    query_->Edit();
    query_->FieldByName("谜底").SetAsString("胖子");
    query_->Post();
    Release();
    EXPECT_EQ(Column(file_, "谜底"), (Strings{"告", "胖子", "答", "<null>"}));
}

TEST_F(RiddleQueryTest, PostRewritesTheCurrentRowDurably) {
    Replace(kByTarget + "打一字" + kEnd);
    query_->SetRecNo(4); // 爸爸回来, whose answer is missing
    recorder_.Take();
    query_->Edit();
    EXPECT_EQ(query_->State(), TDataSetState::dsEdit);
    query_->FieldByName("谜面").SetAsString("爸爸回家");
    query_->FieldByName("谜目").SetAsString("打一字（新）");
    EXPECT_EQ(query_->FieldText("谜面"), "爸爸回家");
    EXPECT_EQ(query_->FieldTextAt(4, "谜面"), "爸爸回家");
    query_->Post();
    EXPECT_EQ(query_->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(recorder_.Take(), (std::vector{TDataEvent::deStateChange, TDataEvent::deFieldChange,
                                             TDataEvent::deFieldChange, TDataEvent::deStateChange}));
    EXPECT_EQ(query_->FieldText("谜面"), "爸爸回家");
    Release();
    EXPECT_EQ(Column(file_, "谜面"),
              (Strings{"一口咬掉牛尾巴", "千里相逢", "明月", "半个月亮", "他说\"好\"", "爸爸回家"}));
    EXPECT_EQ(Column(file_, "谜目").back(), "打一字（新）");
    EXPECT_EQ(Column(file_, "谜底").back(), "<null>"); // only assigned fields are written
}

TEST_F(RiddleQueryTest, PendingEditIsPostedOnMoveAndDroppedOnReplacement) {
    Replace(kAll);
    query_->Edit();
    query_->SetFieldText("谜底", "吉");
    query_->Next();
    EXPECT_EQ(query_->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(query_->FieldTextAt(1, "谜底"), "吉");

    query_->Edit();
    query_->SetFieldText("谜底", "轻");
    Replace(kAll);
    EXPECT_EQ(query_->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(query_->FieldTextAt(2, "谜底"), "重");
    Release();
    EXPECT_EQ(Column(file_, "谜底"), (Strings{"吉", "重", "月下", "胖", "答", "<null>"}));
}

TEST_F(RiddleQueryTest, RefusedPostKeepsTheEditAndTheTable) {
    Replace(kAll);
    query_->Edit();
    query_->SetFieldText("谜面", "拒绝");
    query_->SetFieldText("谜底", "否");
    try {
        query_->Post();
        FAIL() << "the trigger refuses this update";
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "不许这样改");
    }
    EXPECT_EQ(query_->State(), TDataSetState::dsEdit);
    EXPECT_EQ(query_->FieldText("谜面"), "拒绝");
    EXPECT_EQ(query_->FieldText("谜底"), "否");
    EXPECT_THROW(query_->Next(), EDatabaseError); // the move posts first, and fails alike
    EXPECT_EQ(query_->RecNo(), 1);
    query_->SetFieldText("谜面", "可以");
    query_->Post();
    Release();
    EXPECT_EQ(Column(file_, "谜面").front(), "可以");
    EXPECT_EQ(Column(file_, "谜底").front(), "否");
}

TEST_F(RiddleQueryTest, FieldsChangeOnlyInEditState) {
    Replace(kAll);
    EXPECT_THROW(query_->SetFieldText("谜面", "x"), EDatabaseError);
    EXPECT_THROW(query_->FieldByName("备注"), EDatabaseError);
    query_->Edit();
    query_->SetFieldText("谜面", "x");
    query_->Cancel();
    EXPECT_EQ(query_->FieldText("谜面"), "一口咬掉牛尾巴");
}

TEST_F(RiddleQueryTest, ReplacementNotifiesTheViews) {
    Replace(kAll);
    recorder_.Take();
    Replace(kByRiddle + "月" + kEnd);
    EXPECT_EQ(recorder_.Take(), (std::vector{TDataEvent::deStateChange, TDataEvent::deDataSetChange,
                                             TDataEvent::deStateChange, TDataEvent::deDataSetChange}));
}

TEST_F(RiddleQueryTest, UnknownStatementLeavesTheQueryClosed) {
    for (const std::string& statement :
         {std::string("select * from 灯谜库; drop table 灯谜库"), std::string("delete from 灯谜库"),
          kByTarget + "字\"", std::string("select * from 灯谜库 where 备注 like \"%x%\"")}) {
        query_->SQL.Clear();
        query_->SQL.Add(statement);
        EXPECT_THROW(query_->Open(), EDatabaseError) << statement;
        EXPECT_FALSE(query_->Active());
    }
    Release();
    EXPECT_EQ(Column(file_, "count(*)"), Strings{"6"});
}

TEST_F(RiddleQueryTest, TheFileIsHeldAgainstEveryoneElse) {
    Replace(kAll);
    TRiddleQuery second;
    second.FileName = file_.string();
    second.SQL.Add(kAll);
    try {
        second.Open();
        FAIL() << "a second connection opened the held file";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("database is locked"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(second.Active());
#ifndef _WIN32
    // A second process, as a second copy of the program would be.
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        int code = 1;
        try {
            TRiddleQuery copy;
            copy.FileName = file_.string();
            copy.SQL.Add(kAll);
            copy.Open();
        } catch (const EDatabaseError& e) {
            code = std::string(e.what()).find("database is locked") != std::string::npos ? 0 : 2;
        }
        _exit(code);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
#endif
    Release();
    second.Open();
    EXPECT_EQ(second.RecordCount(), 6);
}

TEST_F(RiddleQueryTest, BadFilesGiveTheEnginesErrorAndLeaveTheQueryClosed) {
    Release();
    { std::ofstream(dir_ / "garbage.skn", std::ios::binary) << std::string(4096, 'x'); }
    // A real database whose table pages are overwritten.
    fs::copy_file(file_, dir_ / "broken.skn");
    {
        std::fstream f(dir_ / "broken.skn", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(4096 + 8);
        f << std::string(1000, '\xEE');
    }
    Exec(dir_ / "other.skn", "CREATE TABLE 别的表 (a)");
    struct Case {
        std::string name, message;
    } cases[] = {
        {"missing.skn", "unable to open database file"},
        {"garbage.skn", "file is not a database"},
        {"broken.skn", "malformed"},
        {"other.skn", "no such table: 灯谜库"},
    };
    for (const Case& c : cases) {
        TRiddleQuery query;
        query.FileName = (dir_ / c.name).string();
        query.SQL.Add(kAll);
        try {
            query.Open();
            ADD_FAILURE() << c.name << " opened";
        } catch (const EDatabaseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_FALSE(query.Active());
        EXPECT_EQ(query.FieldText("谜面"), "");
        EXPECT_THROW(query.First(), EDatabaseError);
        EXPECT_THROW(query.SetSort("谜面 ASC"), EDatabaseError);
    }
    EXPECT_FALSE(fs::exists(dir_ / "missing.skn")); // never created
}

TEST_F(RiddleQueryTest, OpeningSucceedsOnceTheFileIsThere) {
    Release();
    TRiddleQuery query;
    query.FileName = (dir_ / "later.skn").string();
    query.SQL.Add(kAll);
    EXPECT_THROW(query.Open(), EDatabaseError);
    fs::copy_file(file_, dir_ / "later.skn");
    query.SQL.Clear();
    query.SQL.Add(kAll);
    query.Open();
    EXPECT_EQ(query.RecordCount(), 6);
}

TEST(GbkSortKey, KeysAreTheGbkBytesAndOrderTheRestAfterThem) {
    const std::string sample = "灯谜库，打一字：阿爸半千一。ABC abc 123 「」《》…—";
    std::string key;
    AppendGbkSortKey(key, sample);
    EXPECT_EQ(key, Utf8ToGbk(sample));

    auto keyOf = [](std::string_view utf8) {
        std::string k;
        AppendGbkSortKey(k, utf8);
        return k;
    };
    // Ascending, each before the next.
    const Strings ordered = {"", "a", std::string("a\0", 2), "z", "阿", "爸", "一", "ก", "😀", "\xFF"};
    for (size_t i = 0; i + 1 < ordered.size(); ++i)
        EXPECT_LT(keyOf(ordered[i]), keyOf(ordered[i + 1])) << ordered[i] << " / " << ordered[i + 1];
}

TEST_F(RiddleQueryTest, FindsMatchesAmongScatteredRows) {
    Release();
    // Rowids with gaps of every size, as deletions leave them.
    std::string sql = "BEGIN; DELETE FROM 灯谜库;";
    Strings expected;
    for (int i = 1, rowId = 3; i <= 300; ++i, rowId += i % 17 + 1) {
        bool match = i % 3 == 0 || i % 50 == 1;
        sql += "INSERT INTO 灯谜库 (rowid, 谜面, 谜目, 谜底) VALUES (" + std::to_string(rowId) + ", 'r" +
               std::to_string(i) + "', '" + (match ? "打一字" : "打一物") + "', 'a');";
        if (match) expected.push_back("r" + std::to_string(i));
    }
    Exec(file_, sql + "COMMIT;");
    query_ = std::make_unique<TRiddleQuery>();
    query_->FileName = file_.string();
    Replace(kByTarget + "打一字" + kEnd);
    EXPECT_EQ(Riddles(), expected);
}
