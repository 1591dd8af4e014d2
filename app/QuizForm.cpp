#include "QuizForm.h"

#include "ArtNames.h"
#include "ArtText.h"
#include "Button.h"
#include "DBCtrls.h"
#include "DataSource.h"
#include "FlatPanel.h"
#include "Forms.h"
#include "ImagePanel.h"
#include "RiddleQuery.h"
#include "SpVoice.h"
#include "VelaButton.h"
#include "WinSkinData.h"
#include "WindowLook.h"

#include <chrono>

namespace yq {

namespace {

using look::Rgb;

void SetLook(TControl& control, const wchar_t* face, int pixels, TColor color) {
    look::SetFontLook(control.Font(), face, pixels, color);
}

// Inside the centre panel's 2-pixel border, top to bottom: room for the top
// buttons, target, riddle, answer, room for the bottom buttons.
constexpr int kPanelInset = 2;
constexpr int kTopSpace = 119, kTargetHeight = 73, kRiddleHeight = 85, kAnswerHeight = 81, kBottomSpace = 56;

struct GlyphButtonPlace {
    const wchar_t* caption;
    int left, top, width, height;
    const wchar_t* glyph;
};

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetCaption(L"云樵雅集");
    BorderStyle = TFormBorderStyle::bsSingle;
    Position = TPosition::poMainFormCenter;
    SetClientSize(784, 561);
    SetLook(*this, L"宋体", 13, clBlack);
    Random.seed(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));

    adoquery1 = std::make_unique<TRiddleQuery>();
    ds1 = new TDataSource(this);
    ds1->SetName("ds1");
    ds1->SetDataSet(adoquery1.get());

    BuildBanners();
    BuildRiddleLabels();
    BuildButtons();
    BuildSkin();
    if (Form4) Form4->BindStore(ds1);
    Form1 = this;
}

TForm1::~TForm1() {
    // The views on every window follow ds1: detach it before the query goes.
    ds1->SetDataSet(nullptr);
}

void TForm1::BuildBanners() {
    auto banner = [this](const char* name, TAlign align, int top, int height, const std::wstring& caption,
                         int fontPixels) {
        auto* panel = new TsuiImagePanel(this);
        panel->SetName(name);
        panel->SetParent(this);
        panel->SetBounds(0, top, 784, height);
        panel->SetAlign(align);
        panel->SetAutoSize(false);
        panel->SetDrawStyle(TsuiDrawStyle::suiStretch);
        panel->SetTransparent(true);
        panel->SetCaption(caption);
        SetLook(*panel, L"隶书", fontPixels, clWhite);
        return panel;
    };
    TopBanner = banner("suiImagePanel1", TAlign::alTop, 0, 105, L"云 樵 雅 集", 56);
    BottomBanner = banner("suiImagePanel2", TAlign::alBottom, 523, 38, art::kQuizFooterCaption, 16);

    Label3 = new TLabel(this);
    Label3->SetName("Label3");
    Label3->SetParent(TopBanner);
    Label3->SetAutoSize(false);
    Label3->SetBounds(0, 84, 784, 21);
    Label3->SetAlign(TAlign::alBottom);
    Label3->SetAlignment(TAlignment::taCenter);
    Label3->SetTransparent(true);
    SetLook(*Label3, L"隶书", 21, clWhite);
    // The 21-pixel strip holds the whole line, not only the glyphs' body.
    Label3->SetLayout(TTextLayout::tlCenter);
    Label3->SetShrinkToFit(true);
    Label3->SetCaption(L"1");

    CentrePanel = new TFlatPanel(this);
    CentrePanel->SetName("FlatPanel1");
    CentrePanel->SetParent(this);
    CentrePanel->SetBounds(0, 105, 784, 418);
    CentrePanel->SetAlign(TAlign::alClient);
    CentrePanel->SetTransBorder(true);
    CentrePanel->SetColorBorder(clBlack);
    CentrePanel->SetColor(clWhite);
}

// The banners are large JPEGs: decoded when the window first shows, not at
// start-up, where the window stays hidden.
void TForm1::LoadBanners() {
    if (bannersLoaded_) return;
    bannersLoaded_ = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    TopBanner->Picture().LoadFromResourceName(instance, art::kQuizBannerTop);
    BottomBanner->Picture().LoadFromResourceName(instance, art::kQuizBannerBottom);
}

void TForm1::SetVisible(bool visible) {
    if (visible) LoadBanners();
    TForm::SetVisible(visible);
}

void TForm1::BuildRiddleLabels() {
    int y = kPanelInset;
    auto place = [this, &y](TCustomLabel* label, const char* name, TAlign align, int height) {
        label->SetName(name);
        label->SetParent(CentrePanel);
        label->SetAutoSize(false);
        label->SetTransparent(true);
        label->SetAlignment(TAlignment::taCenter);
        label->SetBounds(kPanelInset, y, 784 - 2 * kPanelInset, height);
        label->SetAlign(align);
        y += height;
    };
    auto bound = [this](const wchar_t* field) {
        auto* label = new TDBText(this);
        label->SetDataSource(ds1);
        label->SetDataField(field);
        return label;
    };
    // Aligned as a whole once every label has its designed place, so the
    // bottom pair keeps its order whatever is visible.
    CentrePanel->DisableAlign();
    place(new TLabel(this), "TopSpacer", TAlign::alTop, kTopSpace);
    TargetLabel = bound(L"谜目");
    place(TargetLabel, "DBText1", TAlign::alTop, kTargetHeight);
    SetLook(*TargetLabel, L"宋体", 29, Rgb(0x0080FF));
    TargetLabel->SetShrinkToFit(true);
    RiddleLabel = bound(L"谜面");
    place(RiddleLabel, "DBText2", TAlign::alClient, kRiddleHeight);
    SetLook(*RiddleLabel, L"幼圆", 53, Rgb(0x005EBB));
    RiddleLabel->Font().SetStyle(fsBold);
    RiddleLabel->SetShrinkToFit(true);
    RiddleLabel->SetCursor(crHandPoint);
    AnswerLabel = bound(L"谜底");
    place(AnswerLabel, "DBText3", TAlign::alBottom, kAnswerHeight);
    SetLook(*AnswerLabel, L"宋体", 19, Rgb(0x004000));
    AnswerLabel->SetVisible(false);
    place(new TLabel(this), "BottomSpacer", TAlign::alBottom, kBottomSpace);
    CentrePanel->EnableAlign();

    lbl2 = new TLabel(this);
    lbl2->SetName("lbl2");
    lbl2->SetParent(CentrePanel);
    lbl2->SetVisible(false);
    lbl2->SetCaption(L"0");
}

void TForm1::BuildButtons() {
    auto glyphButton = [this](const char* name, const GlyphButtonPlace& place, void (TForm1::*command)()) {
        auto* button = new TVelaButton(this);
        button->SetName(name);
        button->SetParent(CentrePanel);
        button->SetBounds(place.left, place.top, place.width, place.height);
        button->SetCaption(place.caption);
        look::SetGlyphButtonLook(*button, clWhite, place.glyph);
        button->SetLayout(TLayout::blGlyphTop);
        button->SetRepeatInterval(50);
        button->SetRepeatStartInterval(50);
        button->OnClick = [this, command](TComponent*) { (this->*command)(); };
        return button;
    };
    BrowseButton =
        glyphButton("VelaButton1", {L"浏览", 11, 8, 41, 41, art::kGlyphQuizBrowse}, &TForm1::Browse);
    BrowseButton->SetHotTrackColor(clRed);
    EditButton =
        glyphButton("VelaButton2", {L"修改", 59, 8, 41, 41, art::kGlyphQuizEdit}, &TForm1::EditRiddle);
    ReadButton =
        glyphButton("VelaButton3", {L"朗读", 100, 8, 41, 41, art::kGlyphQuizRead}, &TForm1::ReadAloud);
    AddButton =
        glyphButton("VelaButton4", {L"添加", 140, 8, 41, 41, art::kGlyphQuizAdd}, &TForm1::ShowListWindow);
    MusicButton =
        glyphButton("VelaButton5", {L"音乐", 181, 8, 41, 41, art::kGlyphQuizMusic}, &TForm1::MusicToggle);
    AnswerButton = glyphButton("VelaButton6", {L"显示答案", 232, 350, 57, 49, art::kGlyphQuizAnswer},
                               &TForm1::ShowAnswer);
    SequentialButton = glyphButton("VelaButton7", {L"顺序出谜", 323, 350, 57, 49, art::kGlyphQuizSequential},
                                   &TForm1::SequentialRiddle);
    RandomButton = glyphButton("VelaButton8", {L"随机出谜", 404, 350, 57, 49, art::kGlyphQuizRandom},
                               &TForm1::RandomRiddle);
    UserBankButton = glyphButton("VelaButton9", {L"用户谜库", 496, 350, 57, 49, art::kGlyphQuizUserBank},
                                 &TForm1::UserRiddleBank);
    SetLook(*UserBankButton, L"宋体", 13, clBlue);
    UserBankButton->SetHotTrackColor(clRed);

    auto hidden = [this](const char* name, const wchar_t* caption, void (TForm1::*command)()) {
        auto* button = new TButton(this);
        button->SetName(name);
        button->SetParent(CentrePanel);
        button->SetBounds(600, 8, 75, 25);
        button->SetCaption(caption);
        button->SetVisible(false);
        button->OnClick = [this, command](TComponent*) { (this->*command)(); };
        return button;
    };
    btn1 = hidden("btn1", L"修改", &TForm1::EditRiddle);
    btn2 = hidden("btn2", L"朗读", &TForm1::ReadAloud);
    btn3 = hidden("btn3", L"用户", &TForm1::UserRiddleBank);
}

void TForm1::BuildSkin() {
    SkinData1 = new TSkinData(this);
    // Its settings arrive as stored ones: Loaded hands it to the skin
    // manager once they are all in.
    SkinData1->BeginLoading();
    SkinData1->SetName("SkinData1");
    SkinData1->SetDisableTag(99);
    SkinData1->SetSkinControls(SetOf(xcMainMenu) | SetOf(xcPopupMenu) | SetOf(xcToolbar) |
                               SetOf(xcControlbar) | SetOf(xcCombo) | SetOf(xcCheckBox) |
                               SetOf(xcRadioButton) | SetOf(xcProgress) | SetOf(xcScrollbar) | SetOf(xcEdit) |
                               SetOf(xcButton) | SetOf(xcBitBtn) | SetOf(xcSpeedButton) | SetOf(xcPanel) |
                               SetOf(xcGroupBox) | SetOf(xcStatusBar) | SetOf(xcTab) | SetOf(xcSystemMenu));
    SkinData1->SetOptions(0);
    SkinData1->SetSkinFormtype(sfMainform);
    SkinData1->SetMenuUpdate(true);
    SkinData1->SetMenuMerge(false);
    // The skin engine fails silently: a damaged stored skin leaves the
    // windows plainly drawn.
    try {
        TByteStream stored = ResourceStream(kEmbeddedSkinResource);
        SkinData1->ReadSkinStream(stored);
    } catch (const std::exception&) {
    }
    SkinData1->SetActive(true);
    SkinData1->EndLoading();
}

void TForm1::DoCreate() {
    SetCounter(1);
    RunStatement("select * from 灯谜库");
    TForm::DoCreate();
}

void TForm1::RunStatement(const std::string& sql) {
    adoquery1->Close();
    adoquery1->SQL.Clear();
    adoquery1->SQL.Add(sql);
    adoquery1->Open();
}

void TForm1::SetCounter(int value) {
    counter_ = value;
    Label3->SetCaption(std::to_wstring(value));
}

void TForm1::HideAnswer() {
    AnswerLabel->SetVisible(false);
}

int TForm1::UserRiddleIndex() const {
    try {
        return std::stoi(lbl2->Caption());
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace yq
