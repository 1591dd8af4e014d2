// Painting and moving in a TDBGrid over results of different sizes.  The
// grid reads only its visible rows, so the million-row cases should cost
// what the screenful (100 rows) costs.
#include "Bitmap.h"
#include "DBGrid.h"
#include "Form.h"
#include "generated_dataset.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace yq;
using yq::test::TGeneratedDataSet;

namespace {

// The browser window's grid: 553 × 409, two columns, fonts and colours as
// the window sets them.
struct GridFixture {
    explicit GridFixture(int rows) : data(rows) {
        form = std::make_unique<TForm>();
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 600, 500);
        source = new TDataSource(form.get());
        source->SetDataSet(&data);
        grid = new TDBGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 553, 409);
        grid->SetOptions(dgTitles | dgColumnResize | dgColLines | dgRowLines | dgTabs | dgRowSelect |
                         dgAlwaysShowSelection);
        grid->SetCtl3D(false);
        grid->SetColor(0xFFFDFB);
        grid->SetFixedColor(0xEAEAEA);
        grid->Font().SetHeight(-15);
        grid->Font().SetColor(clNavy);
        for (auto [field, width] : {std::pair{L"谜面", 270}, {L"谜目", 260}}) {
            TColumn& c = grid->Columns().Add();
            c.SetFieldName(field);
            c.SetWidth(width);
            c.Title().SetAlignment(TAlignment::taCenter);
            c.Title().Font().SetName(L"黑体");
            c.Title().Font().SetHeight(-16);
        }
        grid->SetDataSource(source);
        grid->Handle();
    }

    TGeneratedDataSet data;
    std::unique_ptr<TForm> form;
    TDataSource* source = nullptr;
    TDBGrid* grid = nullptr;
    TBitmap target{553, 409};
};

// One full repaint with the current record in the middle of the result.
void BM_Paint(benchmark::State& state) {
    GridFixture f(int(state.range(0)));
    f.data.SetRecNo(int(state.range(0) / 2));
    HDC dc = f.target.Canvas().Handle();
    for (auto _ : state)
        f.grid->PaintTo(dc, 0, 0);
    state.counters["field reads/paint"] = double(f.data.reads) / double(state.iterations());
}
BENCHMARK(BM_Paint)->Arg(100)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Down key (the data set moves, the grid scrolls) and the repaint it causes.
void BM_KeyDownAndPaint(benchmark::State& state) {
    GridFixture f(int(state.range(0)));
    HDC dc = f.target.Canvas().Handle();
    HWND h = f.grid->Handle();
    for (auto _ : state) {
        if (f.data.RecNo() == f.data.RecordCount()) f.data.First();
        SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
        f.grid->PaintTo(dc, 0, 0);
    }
}
BENCHMARK(BM_KeyDownAndPaint)->Arg(100)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Dragging the scroll thumb: a jump far away, the record centred, a repaint.
void BM_JumpAndPaint(benchmark::State& state) {
    int rows = int(state.range(0));
    GridFixture f(rows);
    HDC dc = f.target.Canvas().Handle();
    unsigned next = 1;
    for (auto _ : state) {
        next = next * 1103515245u + 12345u;
        f.data.SetRecNo(1 + int(next % unsigned(rows)));
        f.grid->PaintTo(dc, 0, 0);
    }
}
BENCHMARK(BM_JumpAndPaint)->Arg(100)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
