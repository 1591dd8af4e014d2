#include "Application.h"
#include "Bitmap.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Menus.h"
#include "Screen.h"
#include "input_box_driver.h"

#include <gtest/gtest.h>

using namespace yq;

namespace {

struct Box {
    std::wstring text, caption;
    UINT flags;
};

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Application().MessageBoxFunc;
        Application().Title = L"云樵";
        Application().MessageBoxFunc = [this](const std::wstring& text, const std::wstring& caption,
                                              UINT flags) {
            boxes.push_back({text, caption, flags});
            return answer;
        };
    }
    void TearDown() override { Application().MessageBoxFunc = saved_; }

    std::vector<Box> boxes;
    int answer = IDOK;

private:
    TMessageBoxFunc saved_;
};

TEST_F(DialogsTest, MessageBoxesAreCaptionedWithTheTitleAndAnswerAsModalResults) {
    ShowMessage(L"请输入搜索关键字");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"请输入搜索关键字");
    EXPECT_EQ(boxes[0].caption, L"云樵");
    EXPECT_EQ(boxes[0].flags, UINT(MB_OK));

    struct Case {
        int answer, expected;
    } cases[] = {{IDYES, mrYes}, {IDNO, mrNo}, {IDCANCEL, mrNo}, {0, mrNo}};
    for (const Case& c : cases) {
        answer = c.answer;
        EXPECT_EQ(MessageDlg(L"确认修改？", TMsgDlgType::mtWarning, mbYes | mbNo), c.expected) << c.answer;
    }
    EXPECT_EQ(boxes.back().flags, UINT(MB_YESNO | MB_ICONWARNING));
    answer = IDCANCEL;
    EXPECT_EQ(MessageDlg(L"x", TMsgDlgType::mtConfirmation, mbOK | mbCancel), mrCancel);
    EXPECT_EQ(boxes.back().flags, UINT(MB_OKCANCEL | MB_ICONQUESTION));
}

TEST_F(DialogsTest, InputBoxReturnsTheTypedTextOnOkAndKeepsTheValueOnCancel) {
    struct Case {
        std::wstring initial, typed;
        WPARAM key;
        int maxBytes;
        bool ok;
        std::wstring value;
    } cases[] = {
        {L"", L"灯谜", VK_RETURN, 255, true, L"灯谜"},
        {L"旧", L"新的", VK_ESCAPE, 255, false, L"旧"},
        {L"", L"一二三四五六七八", VK_RETURN, 6, true, L"一二三"}, // 6 GBK bytes
        {L"", L"ab一", VK_RETURN, 3, true, L"ab"},
    };
    for (const Case& c : cases) {
        yq::testing::InputScript s{c.typed, c.key};
        s.Arm();
        std::wstring value = c.initial;
        EXPECT_EQ(InputQuery(L"谜面搜索", L"请输入搜索关键字......    ", value, c.maxBytes), c.ok);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(s.seenCaption, L"谜面搜索");
        EXPECT_EQ(s.seenText, c.initial);
    }
    EXPECT_TRUE(boxes.empty());
}

class MenusTest : public ::testing::Test {
protected:
    TMenuItem* AddItem(const wchar_t* caption) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(caption);
        item->OnClick = [this](TComponent* sender) {
            clicked.push_back(static_cast<TMenuItem*>(sender)->Caption());
        };
        menu.Items()->Add(item);
        return item;
    }
    // Keys queued now are read by the menu's own loop once it is open.
    void Keys(std::initializer_list<WPARAM> keys) {
        for (WPARAM k : keys)
            PostMessageW(menu.WindowHandle(), WM_KEYDOWN, k, 0);
    }

    TPopupMenu menu;
    std::vector<std::wstring> clicked;
};

TEST_F(MenusTest, PopupRunsTheChosenItemAndSkipsSeparators) {
    AddItem(L"搜索谜面");
    AddItem(L"-");
    AddItem(L"搜索谜底");
    Keys({VK_DOWN, VK_DOWN, VK_RETURN});
    menu.Popup(100, 100);
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"搜索谜底"});
    Keys({VK_ESCAPE, VK_ESCAPE});
    menu.Popup(100, 100);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(MenusTest, HiddenAndDisabledItemsAreNotChosen) {
    AddItem(L"一")->SetVisible(false);
    AddItem(L"二")->SetEnabled(false);
    AddItem(L"三");
    Keys({VK_DOWN, VK_DOWN, VK_RETURN});
    menu.Popup(50, 50);
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"三"});
}

TEST_F(MenusTest, OwnerDrawnItemsAreMeasuredThroughTheirHandlers) {
    std::vector<std::wstring> measured;
    for (const wchar_t* caption : {L"搜索谜面", L"-", L"搜索谜底"}) {
        TMenuItem* item = AddItem(caption);
        item->OnMeasureItem = [&](TComponent* sender, TCanvas&, int& width, int& height) {
            auto* it = static_cast<TMenuItem*>(sender);
            measured.push_back(it->Caption());
            if (!it->IsLine()) {
                EXPECT_GT(width, 0);
            }
            EXPECT_GT(height, 0);
            width += 40;
        };
    }
    menu.SetOwnerDraw(true);
    Keys({VK_DOWN, VK_RETURN});
    menu.Popup(10, 10);
    EXPECT_EQ(measured, (std::vector<std::wstring>{L"搜索谜面", L"-", L"搜索谜底"}));
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"搜索谜面"});
}

TEST_F(MenusTest, DefaultOwnerDrawingHighlightsTheSelectedItem) {
    TMenuItem* item = AddItem(L"搜索谜面");
    TBitmap bmp(120, 20);
    RECT r{0, 0, 120, 20};
    item->AdvancedDrawItem(bmp.Canvas(), r, odSelected);
    EXPECT_EQ(bmp.Pixel(118, 1), ColorToRGB(clHighlight));
    item->AdvancedDrawItem(bmp.Canvas(), r, 0);
    EXPECT_EQ(bmp.Pixel(118, 1), ColorToRGB(clMenu));
}

TEST(MenuItems, TreeKeepsOrderAndFreesSubItems) {
    TPopupMenu menu;
    auto* a = new TMenuItem();
    auto* b = new TMenuItem();
    auto* sub = new TMenuItem();
    menu.Items()->Add(a);
    menu.Items()->Insert(0, b);
    a->Add(sub);
    EXPECT_EQ(menu.Items()->IndexOf(a), 1);
    EXPECT_EQ(sub->GetParentMenu(), &menu);
    EXPECT_THROW(sub->Add(a), std::invalid_argument);
    EXPECT_THROW(menu.Items()->Items(5), std::out_of_range);
    delete a; // takes `sub` with it and leaves the tree
    EXPECT_EQ(menu.Items()->Count(), 1);
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, scShift)), L"Shift+F4");
    EXPECT_EQ(ShortCutToText(ShortCut('S', scCtrl)), L"Ctrl+S");
}

} // namespace
