#pragma once
// The program's four windows over a small installation in a temporary
// folder, which is also the working directory (the store opens sk5.skn by
// bare name).  Message boxes are recorded and answered instead of shown.
#include "Application.h"
#include "Forms.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace yq::testing {

// Engine order is rowid order.
inline const char* const kFixtureRiddles = R"(
CREATE TABLE 灯谜库 (谜面 TEXT, 谜目 TEXT, 谜底 TEXT);
INSERT INTO 灯谜库 VALUES ('一口咬掉牛尾巴', '打一字', '告');
INSERT INTO 灯谜库 VALUES ('千里相逢', '打一字', '重');
INSERT INTO 灯谜库 VALUES ('半个月亮', '打一字', '胖');
INSERT INTO 灯谜库 VALUES ('日近黄昏', '打一成语', '夕阳西下');
INSERT INTO 灯谜库 VALUES ('东风吹雨过江南', '打一地名', '湘潭');
)";

inline void ExecSql(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

struct RecordedBox {
    std::wstring text, caption;
    UINT flags;
};

// Creates the installation and the four forms once per test program.
class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        folder = std::filesystem::path(temp) / ("yq-app-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        ExecSql(folder / "sk5.skn", kFixtureRiddles);
        std::filesystem::current_path(folder);

        TApplication& app = Application();
        app.Title = L"云樵";
        app.MessageBoxFunc = [this](const std::wstring& text, const std::wstring& caption, UINT flags) {
            boxes.push_back({text, caption, flags});
            return answer;
        };
        app.CreateForm<TForm4>();
        app.CreateForm<TForm1>();
        app.CreateForm<TForm3>();
        app.CreateForm<TForm5>();
    }

    std::vector<RecordedBox> TakeBoxes() { return std::exchange(boxes, {}); }

    std::filesystem::path folder;
    std::vector<RecordedBox> boxes;
    int answer = IDOK;
};

inline AppEnvironment* const App =
    static_cast<AppEnvironment*>(::testing::AddGlobalTestEnvironment(new AppEnvironment));

} // namespace yq::testing
