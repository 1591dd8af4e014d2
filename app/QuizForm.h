#pragma once
// TForm1, the quiz window: one riddle in large type, random and sequential
// riddles with a counter, the answer on request, reading aloud, music and
// the user's own riddles.  Owns the riddle store (adoquery1, ds1), the
// voice and the skin component.
//
// The three riddle labels follow the store's current riddle; the user
// riddle bank writes over them until the store's current riddle changes.
// Every command that shows another riddle hides the answer again, so the
// next riddle is not spoilt.
#include "Form.h"
#include "Music.h"

#include <memory>
#include <random>
#include <string>

namespace yq {

class TButton;
class TDataSource;
class TDBText;
class TFlatPanel;
class TLabel;
class TRiddleQuery;
class TSkinData;
class TSpVoice;
class TsuiImagePanel;
class TVelaButton;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    // The riddle store: one query and its data source, shared by the views
    // of every window.
    std::unique_ptr<TRiddleQuery> adoquery1;
    TDataSource* ds1 = nullptr;

    // Replaces the store's statement (UTF-8) and opens it.
    void RunStatement(const std::string& sql);

    // Commands; the browser window runs some of them too.
    void RandomRiddle();
    void SequentialRiddle();
    void ShowAnswer();
    void ReadAloud();
    void MusicToggle();
    void UserRiddleBank();
    void Browse();
    void EditRiddle();
    void ShowListWindow();

    int Counter() const { return counter_; }
    int UserRiddleIndex() const;

    // The voice, made on the first read-aloud; tests may set one before.
    TSpVoice* SpVoice1 = nullptr;
    TMusicPlayer Music;
    // Draws the random riddle's row; tests may seed it.
    std::mt19937 Random;

    TsuiImagePanel* TopBanner = nullptr;
    TLabel* Label3 = nullptr; // the riddle counter
    TsuiImagePanel* BottomBanner = nullptr;
    TFlatPanel* CentrePanel = nullptr;
    TDBText* TargetLabel = nullptr; // 谜目
    TDBText* RiddleLabel = nullptr; // 谜面
    TDBText* AnswerLabel = nullptr; // 谜底
    TLabel* lbl2 = nullptr;         // user riddle index, hidden
    TVelaButton* BrowseButton = nullptr;
    TVelaButton* EditButton = nullptr;
    TVelaButton* ReadButton = nullptr;
    TVelaButton* AddButton = nullptr;
    TVelaButton* MusicButton = nullptr;
    TVelaButton* AnswerButton = nullptr;
    TVelaButton* SequentialButton = nullptr;
    TVelaButton* RandomButton = nullptr;
    TVelaButton* UserBankButton = nullptr;
    TButton* btn1 = nullptr; // 修改
    TButton* btn2 = nullptr; // 朗读
    TButton* btn3 = nullptr; // 用户
    TSkinData* SkinData1 = nullptr;

    // The creation step: counter 1, the store opened on the whole table.
    void DoCreate() override;
    // Showing the window the first time loads the banners' pictures.
    void SetVisible(bool visible) override;

private:
    void BuildBanners();
    void LoadBanners();
    void BuildRiddleLabels();
    void BuildButtons();
    void BuildSkin();
    void SetCounter(int value);
    void HideAnswer();

    int counter_ = 0;
    bool bannersLoaded_ = false;
};

} // namespace yq
