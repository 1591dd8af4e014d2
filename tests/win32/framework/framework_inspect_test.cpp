// The inspector: a form answers the registered message with the lines of
// its controls, windowless and hidden ones included, through WM_COPYDATA.
#include "Application.h"
#include "Button.h"
#include "DBGrid.h"
#include "Edit.h"
#include "Inspect.h"
#include "Label.h"

#include "generated_dataset.h"

#include <gtest/gtest.h>

#include <string>

using namespace yq;

namespace {

// A message-only window that keeps the reply, as wininspect does.
class ReplyWindow {
public:
    ReplyWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"InspectTestReply";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                this);
    }
    ~ReplyWindow() { DestroyWindow(hwnd_); }
    ReplyWindow(const ReplyWindow&) = delete;
    ReplyWindow& operator=(const ReplyWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    std::string reply;
    int replies = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        if (msg != WM_COPYDATA) return DefWindowProcW(hwnd, msg, wp, lp);
        auto* self = reinterpret_cast<ReplyWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        if (data->dwData != kInspectReply) return FALSE;
        self->reply.assign(static_cast<const char*>(data->lpData), data->cbData);
        ++self->replies;
        return TRUE;
    }
    HWND hwnd_ = nullptr;
};

template <class T> T* Add(TForm* form, TWinControl* parent, const char* name, const wchar_t* caption) {
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetCaption(caption);
    return control;
}

TEST(InspectTest, HiddenFormListsEveryControlWithItsVisibilityAndText) {
    TForm form(nullptr);
    form.SetName("Form9");
    form.SetCaption(L"检查");
    auto* panel = Add<TWinControl>(&form, &form, "Panel1", L"");
    Add<TLabel>(&form, panel, "Label1", L"谜面");
    Add<TLabel>(&form, panel, "Label2", L"谜底")->Hide();
    Add<TButton>(&form, &form, "Button1", L"确定");
    Add<TMemo>(&form, &form, "Memo1", L"一 二\r\n三\\四");
    ReplyWindow asker;

    // Hidden (never shown) forms answer too: tests read windows before
    // they are opened.
    LRESULT answered = SendMessageW(form.Handle(), InspectMessage(), WPARAM(asker.Handle()), 0);

    EXPECT_EQ(answered, 1);
    EXPECT_EQ(asker.replies, 1);
    EXPECT_EQ(asker.reply, "TForm\tForm9\t0\t检查\n"
                           "TWinControl\tPanel1\t1\t\n"
                           "TLabel\tLabel1\t1\t谜面\n"
                           "TLabel\tLabel2\t0\t谜底\n"
                           "TButton\tButton1\t1\t确定\n"
                           "TMemo\tMemo1\t1\t一 二\\r\\n三\\\\四\n");
}

TEST(InspectTest, AFormWhoseAskerIsGoneAnswersZero) {
    TForm form(nullptr);
    HWND gone;
    {
        ReplyWindow asker;
        gone = asker.Handle();
    }
    EXPECT_EQ(SendMessageW(form.Handle(), InspectMessage(), WPARAM(gone), 0), 0);
}

TEST(InspectTest, GridDescribesItsCurrentRow) {
    TForm form(nullptr);
    test::TGeneratedDataSet data(5);
    auto* source = new TDataSource(&form);
    source->SetDataSet(&data);
    auto* grid = new TDBGrid(&form);
    grid->SetParent(&form);
    for (const wchar_t* field : {L"谜面", L"谜目"})
        grid->Columns().Add().SetFieldName(field);
    grid->SetDataSource(source);

    EXPECT_EQ(grid->InspectText(), L"1/5\t谜面 1\t谜目 1");
    data.SetRecNo(4);
    EXPECT_EQ(grid->InspectText(), L"4/5\t谜面 4\t谜目 4");
    data.Open(0);
    EXPECT_EQ(grid->InspectText(), L"0/0");
}

} // namespace
