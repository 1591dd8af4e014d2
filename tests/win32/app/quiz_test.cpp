#include "app_fixture.h"

#include "Bitmap.h"
#include "Button.h"
#include "DBCtrls.h"
#include "FlatPanel.h"
#include "ImagePanel.h"
#include "RiddleQuery.h"
#include "SpVoice.h"
#include "VelaButton.h"
#include "WinSkinData.h"
#include "pictures.h"

#include <algorithm>
#include <cstdlib>
#include <set>

using namespace yq;
using yq::testing::App;

namespace {

std::vector<long> Bounds(const TControl* control) {
    RECT r = control->BoundsRect();
    return {r.left, r.top, r.right, r.bottom};
}

class Quiz : public ::testing::Test {
protected:
    void SetUp() override {
        Form1->RunStatement("select * from 灯谜库");
        App->TakeBoxes();
    }
    TRiddleQuery& store() { return *Form1->adoquery1; }
    std::wstring riddle() { return Form1->RiddleLabel->Caption(); }
};

TEST_F(Quiz, CreationStartsTheCounterAtOneOnTheFirstRiddleWithTheAnswerHidden) {
    EXPECT_EQ(Form1->Counter(), 1);
    EXPECT_EQ(Form1->Label3->Caption(), L"1");
    EXPECT_EQ(store().RecordCount(), 5);
    EXPECT_EQ(riddle(), L"一口咬掉牛尾巴");
    EXPECT_EQ(Form1->TargetLabel->Caption(), L"打一字");
    EXPECT_FALSE(Form1->AnswerLabel->Visible());
    EXPECT_FALSE(Form1->SkinData1->SkinEmpty());
    EXPECT_TRUE(Form1->SkinData1->Active());
}

TEST_F(Quiz, LayoutStacksTheRiddleTextsBetweenTheButtonRows) {
    EXPECT_EQ(Bounds(Form1->TopBanner), (std::vector<long>{0, 0, 784, 105}));
    EXPECT_EQ(Bounds(Form1->BottomBanner), (std::vector<long>{0, 523, 784, 561}));
    EXPECT_EQ(Bounds(Form1->CentrePanel), (std::vector<long>{0, 105, 784, 523}));
    EXPECT_EQ(Bounds(Form1->Label3), (std::vector<long>{0, 84, 784, 105}));
    EXPECT_EQ(Bounds(Form1->TargetLabel), (std::vector<long>{2, 121, 782, 194}));
    Form1->ShowAnswer();
    EXPECT_EQ(Bounds(Form1->RiddleLabel), (std::vector<long>{2, 194, 782, 279}));
    EXPECT_EQ(Bounds(Form1->AnswerLabel), (std::vector<long>{2, 279, 782, 360}));
    EXPECT_EQ(Bounds(Form1->UserBankButton), (std::vector<long>{496, 350, 553, 399}));
    EXPECT_EQ(Form1->AnswerLabel->Font().Height(), -19);
}

// A riddle or target too long for its label is made to fit it, wholly:
// smaller type first, then two lines; one that fits keeps the designed font.
// The banners' pictures are decoded when the window first shows; shown,
// the window paints them.
TEST_F(Quiz, TheBannersShowTheirPicturesOnceTheWindowShows) {
    Form1->Show();
    UpdateWindow(Form1->Handle());
    for (TsuiImagePanel* banner : {Form1->TopBanner, Form1->BottomBanner}) {
        ASSERT_FALSE(banner->Picture().Empty());
        EXPECT_EQ(banner->Picture().Width(), 2940);
        EXPECT_EQ(banner->Picture().Height(), 700);
        TBitmap shot(banner->Width(), banner->Height());
        test::CaptureWindow(banner->Handle(), shot);
        EXPECT_LT(test::CountColor(shot, clWhite), shot.Width() * shot.Height() / 2) << banner->Name();
    }
    Form1->Hide();
}

TEST_F(Quiz, LongTextsFitTheirLabels) {
    struct Case {
        TCustomLabel* label;
        int characters;
        bool designedFont;
    } cases[] = {
        {Form1->RiddleLabel, 1, true},   {Form1->RiddleLabel, 14, true},  {Form1->RiddleLabel, 15, false},
        {Form1->RiddleLabel, 30, false}, {Form1->RiddleLabel, 60, false}, {Form1->TargetLabel, 1, true},
        {Form1->TargetLabel, 26, true},  {Form1->TargetLabel, 60, false},
    };
    TBitmap scratch(16, 16);
    for (const Case& c : cases) {
        std::wstring text;
        for (int i = 0; i < c.characters; ++i)
            text += L"灯谜猜字打一成语"[i % 8];
        c.label->SetCaption(text);
        RECT area = c.label->ClientRect();
        TLabelFit fit = c.label->FitText(scratch.Canvas(), area);
        std::wstring joined;
        int widest = 0;
        for (const std::wstring& line : fit.lines) {
            joined += line;
            widest = std::max(widest, scratch.Canvas().TextWidth(line));
        }
        EXPECT_EQ(joined, text) << c.characters;
        EXPECT_LE(widest, area.right - area.left) << c.characters;
        EXPECT_LE(fit.lineHeight * int(fit.lines.size()), area.bottom - area.top) << c.characters;
        EXPECT_GE(fit.fontHeight, TCustomLabel::kMinFitHeight) << c.characters;
        EXPECT_EQ(fit.fontHeight == std::abs(c.label->Font().Height()), c.designedFont) << c.characters;
    }
    // The counter's line fits its 21-pixel strip.
    TLabelFit counter = Form1->Label3->FitText(scratch.Canvas(), Form1->Label3->ClientRect());
    EXPECT_LE(counter.lineHeight, Form1->Label3->Height());
    Form1->RunStatement("select * from 灯谜库");
}

TEST_F(Quiz, RandomAndSequentialRaiseTheCounterAndHideTheAnswer) {
    int before = Form1->Counter();
    Form1->ShowAnswer();
    Form1->RandomRiddle();
    EXPECT_FALSE(Form1->AnswerLabel->Visible());
    Form1->ShowAnswer();
    Form1->SequentialRiddle();
    EXPECT_FALSE(Form1->AnswerLabel->Visible());
    EXPECT_EQ(Form1->Counter(), before + 2);
    EXPECT_EQ(Form1->Label3->Caption(), std::to_wstring(before + 2));
}

TEST_F(Quiz, RandomDropsTheBrowsersQueryAndReachesEveryRowOfTheTable) {
    Form1->RunStatement("select * from 灯谜库 where 谜目 like \"%成语%\"");
    ASSERT_EQ(store().RecordCount(), 1);
    Form1->Random.seed(7);
    std::set<int> rows;
    for (int i = 0; i < 200; ++i) {
        Form1->RandomRiddle();
        ASSERT_EQ(store().RecordCount(), 5);
        rows.insert(store().RecNo());
    }
    EXPECT_EQ(rows, (std::set<int>{1, 2, 3, 4, 5}));
}

TEST_F(Quiz, SequentialStaysOnTheLastRowOnceThenStartsAgain) {
    store().SetRecNo(4);
    std::vector<std::wstring> shown;
    for (int i = 0; i < 3; ++i) {
        Form1->SequentialRiddle();
        shown.push_back(riddle());
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"东风吹雨过江南", L"东风吹雨过江南", L"一口咬掉牛尾巴"}));
}

TEST_F(Quiz, ReadAloudSpeaksTheLabelsTextsInOrderEachTime) {
    std::vector<std::wstring> calls;
    struct Recorder : TVoiceBackend {
        std::vector<std::wstring>* log;
        explicit Recorder(std::vector<std::wstring>* l) : log(l) {}
        HRESULT SetVolume(long v) override { return Log(L"volume " + std::to_wstring(v)); }
        HRESULT SetRate(long r) override { return Log(L"rate " + std::to_wstring(r)); }
        HRESULT Speak(const std::wstring& t, unsigned long f) override { return Log(std::to_wstring(f) + t); }
        HRESULT Log(std::wstring s) {
            log->push_back(std::move(s));
            return S_OK;
        }
    };
    Form1->SpVoice1 = new TSpVoice(Form1);
    Form1->SpVoice1->ConnectPrimary = [&] { return std::make_unique<Recorder>(&calls); };
    Form1->ReadAloud();
    Form1->btn2->Click();
    const std::wstring tag = L"<LANG LANGID=\"804\">";
    std::vector<std::wstring> once = {L"volume 100", L"rate -3", L"1" + tag + L"一口咬掉牛尾巴",
                                      L"1" + tag + L"打一字"};
    std::vector<std::wstring> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(calls, twice);
}

TEST_F(Quiz, MusicCaptionTogglesWithTheTwoMediaStrings) {
    std::vector<std::string> sent;
    Form1->Music.Send = [&](const char* command) { sent.push_back(command); };
    Form1->MusicButton->Click();
    EXPECT_EQ(Form1->MusicButton->Caption(), L"静音");
    Form1->MusicButton->Click();
    EXPECT_EQ(Form1->MusicButton->Caption(), L"音乐");
    EXPECT_EQ(sent, (std::vector<std::string>{"play music.mid", "Close music.mid"}));
}

TEST_F(Quiz, ARiddleOfTheUserListStaysUntilTheStoreMoves) {
    Form5->Memo1->SetText(L"甲 乙 丙");
    Form1->UserRiddleBank();
    EXPECT_EQ(riddle(), L"甲");
    store().Next();
    EXPECT_EQ(riddle(), L"千里相逢");
}

// Each row: the list's text, then what each press shows ("riddle|target|
// answer") and the index after it.
TEST_F(Quiz, UserRiddleBankWalksTheLogicalLines) {
    struct Case {
        const wchar_t* list;
        std::vector<std::pair<std::wstring, int>> presses;
    } cases[] = {
        {L"一 二 三", {{L"一|二|三", 0}, {L"一|二|三", 0}}},
        {L"  甲  乙 丙 丁\r\n戊 己\r\n\r\n庚 辛 壬\r\n",
         {{L"甲|乙|丙", 1}, {L"戊|己|", 2}, {L"||", 3}, {L"庚|辛|壬", 0}, {L"甲|乙|丙", 1}}},
        // A line far longer than the list window is wide is still one riddle.
        {L"长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长 谜目 "
         L"谜底\r\n末 目 底",
         {{L"长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长长|谜目|"
           L"谜底",
           1},
          {L"末|目|底", 0}}},
    };
    for (const Case& c : cases) {
        Form1->lbl2->SetCaption(L"0");
        Form5->Memo1->SetText(c.list);
        for (const auto& [shown, index] : c.presses) {
            int before = Form1->Counter();
            Form1->UserBankButton->Click();
            EXPECT_EQ(Form1->RiddleLabel->Caption() + L"|" + Form1->TargetLabel->Caption() + L"|" +
                          Form1->AnswerLabel->Caption(),
                      shown)
                << c.list;
            EXPECT_EQ(Form1->UserRiddleIndex(), index) << c.list;
            EXPECT_EQ(Form1->Counter(), before + 1);
        }
    }
}

TEST_F(Quiz, UserRiddleBankAfterTheListShrankShowsEmptyTextsAndStartsAgain) {
    Form5->Memo1->SetText(L"一 二 三\r\n四 五 六\r\n七 八 九");
    Form1->lbl2->SetCaption(L"2");
    Form5->Memo1->SetText(L"一 二 三");
    Form1->btn3->Click();
    EXPECT_EQ(riddle(), L"");
    EXPECT_EQ(Form1->UserRiddleIndex(), 0);
}

TEST_F(Quiz, EmptyUserListChangesNothingNotEvenTheCounter) {
    Form5->Memo1->SetText(L"");
    int before = Form1->Counter();
    Form1->UserRiddleBank();
    EXPECT_EQ(Form1->Counter(), before);
    EXPECT_EQ(riddle(), L"一口咬掉牛尾巴");
}

} // namespace
