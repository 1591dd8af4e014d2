// The riddle store against the bare engine, on synthetic databases of
// 11,062 and 1,000,000 riddles: the same statements run by the store, by
// SQLite's C interface in this process ("Engine") and by the sqlite3
// command-line shell ("Shell"), so the ratios can be read off one run.
//
// peak_MB: the peak resident memory of a whole process (Process_Store: this
// program doing with the store what the riddle program does; Shell_*: the
// sqlite3 shell).
#include "RiddleQuery.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using yq::TRiddleQuery;

const std::string kAll = "select * from 灯谜库";
const std::string kCategory = "select * from 灯谜库 where 谜目 like \"%打一字%\"";
const std::string kSearch = "select * from 灯谜库 where 谜面 like \"%月%\"";
const std::string kSorted = "select * from 灯谜库 order by 谜面";
// What the bare engine runs for the n-th riddle: the offset is appended.
const std::string kOneRow = "select * from 灯谜库 limit 1 offset ";

// ---- synthetic databases -------------------------------------------------

std::vector<std::string> Characters() {
    const std::string pool = "一人口十大小日月山水火木金土天中上下左右心手足目耳头花草鸟鱼虫马牛羊"
                             "春夏秋冬风雨雪云东南西北前后里外半双千百万东家国王子女父母兄弟门"
                             "字句诗书画笑哭走来去长短高低明暗红白青黄黑开关生死古今文武言语回";
    std::vector<std::string> chars;
    for (size_t i = 0; i < pool.size(); i += 3)
        chars.push_back(pool.substr(i, 3));
    return chars;
}

const char* const kTargets[] = {
    "打一字",     "打一成语",   "打一地名",   "打一国名",         "打一中药名",
    "打一唐诗句", "打一电影名", "打一俗语",   "打一字（秋千格）", "打一成语（卷帘格）",
    "打一人名",   "打一书名",   "打一戏曲名", "打一水浒人名",     "打一常用词",
};

void Check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void Generate(const fs::path& file, int count) {
    fs::path tmp = file;
    tmp += ".tmp";
    fs::remove(tmp);
    sqlite3* db = nullptr;
    Check(sqlite3_open(tmp.c_str(), &db), db);
    Check(sqlite3_exec(db, "CREATE TABLE 灯谜库 (谜面 TEXT, 谜目 TEXT, 谜底 TEXT); BEGIN", nullptr, nullptr,
                       nullptr),
          db);
    sqlite3_stmt* insert = nullptr;
    Check(sqlite3_prepare_v2(db, "INSERT INTO 灯谜库 VALUES (?, ?, ?)", -1, &insert, nullptr), db);
    std::mt19937 random(20160815);
    const std::vector<std::string> chars = Characters();
    auto text = [&](int from, int to) {
        std::string s;
        for (int n = std::uniform_int_distribution(from, to)(random); n > 0; --n)
            s += chars[random() % chars.size()];
        return s;
    };
    for (int i = 0; i < count; ++i) {
        std::string riddle = text(4, 10), answer = text(1, 4);
        const char* target = kTargets[random() % std::size(kTargets)];
        sqlite3_bind_text(insert, 1, riddle.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, target, -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, answer.c_str(), -1, SQLITE_TRANSIENT);
        Check(sqlite3_step(insert), db);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    Check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
    fs::rename(tmp, file);
}

std::string Database(int count) {
    static std::map<int, std::string> made;
    auto& path = made[count];
    if (path.empty()) {
        fs::path dir = YQ_BENCH_DATA;
        fs::create_directories(dir);
        fs::path file = dir / ("riddles-" + std::to_string(count) + ".skn");
        if (!fs::exists(file)) Generate(file, count);
        path = file.string();
    }
    return path;
}

// ---- the store ---------------------------------------------------------------

void Replace(TRiddleQuery& query, const std::string& statement) {
    query.SQL.Clear();
    query.SQL.Add(statement);
    query.Open();
}

// The program's start: connect and read the whole table.
void Store_OpenFirst(benchmark::State& state) {
    const std::string file = Database(int(state.range(0)));
    for (auto _ : state) {
        TRiddleQuery query;
        query.FileName = file;
        Replace(query, kAll);
        benchmark::DoNotOptimize(query.RecordCount());
    }
}

void StoreStatement(benchmark::State& state, const std::string& statement) {
    TRiddleQuery query;
    query.FileName = Database(int(state.range(0)));
    Replace(query, kAll);
    for (auto _ : state) {
        Replace(query, statement);
        benchmark::DoNotOptimize(query.RecordCount());
    }
    state.counters["rows"] = query.RecordCount();
}

void Store_FullTable(benchmark::State& state) {
    StoreStatement(state, kAll);
}
void Store_Category(benchmark::State& state) {
    StoreStatement(state, kCategory);
}
void Store_Search(benchmark::State& state) {
    StoreStatement(state, kSearch);
}

// The engine sorts in its statement; the store re-sorts its result, so this
// is the statement plus the sort.
void Store_Sort(benchmark::State& state) {
    TRiddleQuery query;
    query.FileName = Database(int(state.range(0)));
    Replace(query, kAll);
    for (auto _ : state) {
        Replace(query, kAll);
        query.SetSort("谜面 ASC");
        benchmark::DoNotOptimize(query.FieldText("谜面"));
    }
}

// The quiz window's random riddle: the whole table again, then row n.
void Store_RandomRiddle(benchmark::State& state) {
    TRiddleQuery query;
    query.FileName = Database(int(state.range(0)));
    Replace(query, kAll);
    std::mt19937 random(1);
    for (auto _ : state) {
        Replace(query, kAll);
        query.SetRecNo(int(random() % state.range(0)) + 1);
        benchmark::DoNotOptimize(query.FieldText("谜面"));
    }
}

void Store_RecNo(benchmark::State& state) {
    TRiddleQuery query;
    query.FileName = Database(int(state.range(0)));
    Replace(query, kAll);
    std::mt19937 random(1);
    for (auto _ : state) {
        query.SetRecNo(int(random() % state.range(0)) + 1);
        benchmark::DoNotOptimize(query.FieldText("谜面"));
    }
}

// ---- the bare engine, in this process ---------------------------------------

// Runs `sql` and reads every column of every row, as a client would.
long long EngineRun(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &stmt, nullptr), db);
    long long bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            bytes += sqlite3_column_bytes(stmt, c);
        }
    sqlite3_finalize(stmt);
    return bytes;
}

void EngineStatement(benchmark::State& state, const std::string& statement, bool randomRow = false) {
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(Database(int(state.range(0))).c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db);
    std::mt19937 random(1);
    for (auto _ : state) {
        std::string sql = randomRow ? statement + std::to_string(random() % state.range(0)) : statement;
        benchmark::DoNotOptimize(EngineRun(db, sql));
    }
    sqlite3_close(db);
}

void Engine_FullTable(benchmark::State& state) {
    EngineStatement(state, kAll);
}
void Engine_Category(benchmark::State& state) {
    EngineStatement(state, kCategory);
}
void Engine_Search(benchmark::State& state) {
    EngineStatement(state, kSearch);
}
void Engine_Sort(benchmark::State& state) {
    EngineStatement(state, kSorted);
}
void Engine_RandomRiddle(benchmark::State& state) {
    EngineStatement(state, kOneRow, true);
}

// ---- the sqlite3 shell ---------------------------------------------------------

std::string selfPath; // this program: Process_Store and PeakKiB run it

// Runs a program with its output to `out` (or /dev/null); returns its peak
// resident size in KiB, which also counts the size of this process at the
// start (the kernel carries a process's peak over an exec): see PeakKiB.
long Spawn(std::vector<std::string> args, int out = -1) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out >= 0)
        posix_spawn_file_actions_adddup2(&actions, out, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + args[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(args[0] + " failed");
    return usage.ru_maxrss;
}

// The peak resident size of a program alone: started from a fresh, small
// copy of this program ("--measure"), which prints it.
long PeakKiB(std::vector<std::string> args) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    args.insert(args.begin(), {selfPath, "--measure"});
    Spawn(args, fds[1]);
    close(fds[1]);
    char text[32] = {};
    ssize_t n = read(fds[0], text, sizeof text - 1);
    close(fds[0]);
    return n > 0 ? std::stol(text) : 0;
}

int Measure(int argc, char** argv) {
    std::printf("%ld\n", Spawn(std::vector<std::string>(argv, argv + argc)));
    return 0;
}

void ShellStatement(benchmark::State& state, const std::string& statement, bool randomRow = false) {
    const std::string file = Database(int(state.range(0)));
    std::mt19937 random(1);
    std::string sql = statement;
    for (auto _ : state) {
        sql = randomRow ? statement + std::to_string(random() % state.range(0)) : statement;
        Spawn({"sqlite3", "-batch", file, sql});
    }
    state.counters["peak_MB"] = double(PeakKiB({"sqlite3", "-batch", file, sql})) / 1024;
}

void Shell_FullTable(benchmark::State& state) {
    ShellStatement(state, kAll);
}
void Shell_Category(benchmark::State& state) {
    ShellStatement(state, kCategory);
}
void Shell_Search(benchmark::State& state) {
    ShellStatement(state, kSearch);
}
void Shell_Sort(benchmark::State& state) {
    ShellStatement(state, kSorted);
}
void Shell_RandomRiddle(benchmark::State& state) {
    ShellStatement(state, kOneRow, true);
}

// ---- whole processes, for their peak memory ---------------------------------

// What the program does with the store: open it, a category, a search, a
// sort, a random riddle.
int StoreProcess(const std::string& file) {
    TRiddleQuery query;
    query.FileName = file;
    Replace(query, kAll);
    Replace(query, kCategory);
    Replace(query, kSearch);
    Replace(query, kAll);
    query.SetSort("谜面 ASC");
    Replace(query, kAll);
    query.SetRecNo(query.RecordCount() / 2);
    return query.FieldText("谜面").empty() ? 1 : 0;
}

void Process_Store(benchmark::State& state) {
    const std::string file = Database(int(state.range(0)));
    for (auto _ : state)
        Spawn({selfPath, "--store-process", file});
    state.counters["peak_MB"] = double(PeakKiB({selfPath, "--store-process", file})) / 1024;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(11062)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
}
} // namespace

BENCHMARK(Store_OpenFirst)->Apply(Sizes);
BENCHMARK(Engine_FullTable)->Apply(Sizes);
BENCHMARK(Shell_FullTable)->Apply(Sizes);
BENCHMARK(Store_FullTable)->Apply(Sizes);
BENCHMARK(Store_Category)->Apply(Sizes);
BENCHMARK(Engine_Category)->Apply(Sizes);
BENCHMARK(Shell_Category)->Apply(Sizes);
BENCHMARK(Store_Search)->Apply(Sizes);
BENCHMARK(Engine_Search)->Apply(Sizes);
BENCHMARK(Shell_Search)->Apply(Sizes);
BENCHMARK(Store_Sort)->Apply(Sizes);
BENCHMARK(Engine_Sort)->Apply(Sizes);
BENCHMARK(Shell_Sort)->Apply(Sizes);
BENCHMARK(Store_RandomRiddle)->Apply(Sizes);
BENCHMARK(Engine_RandomRiddle)->Apply(Sizes);
BENCHMARK(Shell_RandomRiddle)->Apply(Sizes);
BENCHMARK(Store_RecNo)->Apply(Sizes);
BENCHMARK(Process_Store)->Apply(Sizes);

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--store-process") return StoreProcess(argv[2]);
    if (argc > 2 && std::string(argv[1]) == "--measure") return Measure(argc - 2, argv + 2);
    selfPath = fs::canonical("/proc/self/exe").string();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
