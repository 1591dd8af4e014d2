// The quiz window's commands.
#include "DBCtrls.h"
#include "Forms.h"
#include "Gbk.h"
#include "RiddleQuery.h"
#include "SpVoice.h"
#include "Text.h"
#include "Tokens.h"
#include "VelaButton.h"

namespace yq {

namespace {

constexpr const wchar_t* kMusicOff = L"音乐";
constexpr const wchar_t* kMusicOn = L"静音";

std::string ToGbk(const std::wstring& text) {
    return Utf8ToGbk(Narrow(text));
}

std::wstring FromGbk(const std::string& gbk) {
    return Widen(GbkToUtf8(gbk));
}

} // namespace

// The row is drawn over the whole table, whatever its size: a fixed range
// would repeat the first riddle past the table's end or never reach rows
// beyond the range.
void TForm1::RandomRiddle() {
    HideAnswer();
    SetCounter(counter_ + 1);
    RunStatement("select * from 灯谜库");
    int count = adoquery1->RecordCount();
    if (count > 1) adoquery1->SetRecNo(std::uniform_int_distribution<int>(1, count)(Random));
}

void TForm1::SequentialRiddle() {
    HideAnswer();
    SetCounter(counter_ + 1);
    if (adoquery1->Eof())
        adoquery1->First();
    else
        adoquery1->Next();
}

void TForm1::ShowAnswer() {
    AnswerLabel->SetVisible(true);
}

void TForm1::ReadAloud() {
    if (!SpVoice1) {
        SpVoice1 = new TSpVoice(this);
        SpVoice1->SetName("SpVoice1");
    }
    yq::ReadAloud(*SpVoice1, RiddleLabel->Caption(), TargetLabel->Caption());
}

// The caption is the music state, and it toggles whatever the device
// answers: without a MIDI device nothing plays and nothing is said.
void TForm1::MusicToggle() {
    if (MusicButton->Caption() != kMusicOff) {
        Music.Close();
        MusicButton->SetCaption(kMusicOff);
    } else {
        Music.Play();
        MusicButton->SetCaption(kMusicOn);
    }
}

// One riddle of the user's list per press, "谜面 谜目 谜底" per line; the
// lines are the list's logical lines, however the list window wraps them.
void TForm1::UserRiddleBank() {
    if (Form5->ListText().empty()) return;
    HideAnswer();
    SetCounter(counter_ + 1);
    int index = UserRiddleIndex();
    std::string line = ToGbk(Form5->Line(index));
    std::string words = line.empty() ? std::string() : NormalizeSeparators(line, ' ');
    RiddleLabel->SetCaption(FromGbk(TakeToken(words, ' ')));
    TargetLabel->SetCaption(FromGbk(TakeToken(words, ' ')));
    AnswerLabel->SetCaption(FromGbk(TakeToken(words, ' ')));
    lbl2->SetCaption(std::to_wstring(index + 1 < Form5->LineCount() ? index + 1 : 0));
}

void TForm1::Browse() {
    Form4->Show();
    SetForegroundWindow(Form4->Handle());
}

void TForm1::EditRiddle() {
    Form3->Show();
}

void TForm1::ShowListWindow() {
    Form5->Show();
}

} // namespace yq
