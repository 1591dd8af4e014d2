#include "BrowserForm.h"

#include "Application.h"
#include "ArtNames.h"
#include "BrowserBar.h"
#include "CategoryFile.h"
#include "DBCtrls.h"
#include "DBGrid.h"
#include "ExeFolder.h"
#include "ExtCtrls.h"
#include "FlatPanel.h"
#include "Forms.h"
#include "Menus.h"
#include "OutBarVertListView.h"
#include "Text.h"
#include "VelaButton.h"
#include "WindowLook.h"

namespace yq {

using look::Rgb;
using look::SetFontLook;

namespace {

constexpr TColor kRowColor = Rgb(0xFBFDFF);
// The answer label grows to the left of this x.
constexpr int kAnswerRight = 745;
constexpr int kHeaderHeight = 62;

} // namespace

TForm4::TForm4(TComponent* owner) : TForm(owner) {
    SetName("Form4");
    SetCaption(L"云樵 V2016.08.15");
    BorderStyle = TFormBorderStyle::bsSizeable;
    BorderIcons = int(TBorderIcon::biSystemMenu) | int(TBorderIcon::biMinimize);
    Position = TPosition::poDesktopCenter;
    SetBounds(0, 0, 800, 600);
    SetFontLook(Font(), L"宋体", 13, clWindowText);

    pnlMain = new TFlatPanel(this);
    pnlMain->SetName("pnlMain");
    pnlMain->SetParent(this);
    pnlMain->SetBounds(8, 8, 769, 545);
    pnlMain->SetColorBorder(Rgb(0x0062C8));
    pnlMain->SetColor(clWhite);

    MakeHeader();
    dctbr1 = MakeCategoryBar(pnlMain, this);
    for (int i = 0; i < dctbr1->GroupCount(); ++i)
        CategoryList(*dctbr1, i)->OnButtonClick = [this](TComponent* sender, TDCVertListItem*) {
            CategoryQuery(*static_cast<TDCVertListView*>(sender));
        };
    MakeGrid();
    MakeButtons();
    MakeSearchMenu();

    Application().OnMessage = [this](MSG& msg, bool&) { TranslateWheel(msg); };
    Form4 = this;
}

TForm4::~TForm4() {
    Application().OnMessage = nullptr;
    if (Form4 == this) Form4 = nullptr;
}

void TForm4::MakeHeader() {
    imgHeader = new TImage(this);
    imgHeader->SetName("imgHeader");
    imgHeader->SetParent(pnlMain);
    imgHeader->SetHeight(kHeaderHeight);
    imgHeader->SetAlign(TAlign::alTop);
    imgHeader->SetStretch(true);
    imgHeader->Picture().LoadFromResourceName(GetModuleHandleW(nullptr), art::kBrowserHeader);

    // Made after the picture so that it paints over it.
    lblAnswer = new TDBText(this);
    lblAnswer->SetName("lblAnswer");
    lblAnswer->SetParent(pnlMain);
    lblAnswer->SetAlignment(TAlignment::taRightJustify);
    lblAnswer->SetTransparent(true);
    lblAnswer->SetBounds(kAnswerRight - 24, 24, 24, 24);
    SetFontLook(lblAnswer->Font(), L"楷体", 24, clWhite);
    lblAnswer->SetAutoSize(true);
    lblAnswer->SetDataField(L"谜底");
}

void TForm4::MakeGrid() {
    dbgrd1 = new TDBGrid(this);
    dbgrd1->SetName("dbgrd1");
    dbgrd1->SetParent(pnlMain);
    dbgrd1->SetBounds(200, 72, 553, 409);
    // The current row shows before the grid first has the focus.
    dbgrd1->SetOptions(dgTitles | dgColumnResize | dgColLines | dgRowLines | dgTabs | dgRowSelect |
                       dgAlwaysShowSelection);
    dbgrd1->SetReadOnly(true);
    dbgrd1->SetCursor(crHandPoint);
    dbgrd1->SetCtl3D(false);
    dbgrd1->SetColor(kRowColor);
    dbgrd1->SetFixedColor(Rgb(0xEAEAEA));
    SetFontLook(dbgrd1->Font(), L"宋体", 15, clNavy);
    SetFontLook(dbgrd1->TitleFont(), L"黑体", 16, clNavy);
    struct Column {
        const wchar_t *field, *title;
        int width;
    } columns[] = {{L"谜面", L"灯谜谜面", 270}, {L"谜目", L"灯谜谜目", 260}};
    for (const Column& c : columns) {
        TColumn& column = dbgrd1->Columns().Add();
        column.SetFieldName(c.field);
        column.SetWidth(c.width);
        column.Title().SetCaption(c.title);
        column.Title().SetAlignment(TAlignment::taCenter);
    }
    dbgrd1->OnTitleClick = [this](TColumn* column) { SortToggle(column->FieldName()); };
    dbgrd1->OnDblClick = [](TComponent*) { Form1->EditRiddle(); };
}

TVelaButton* TForm4::AddButton(const wchar_t* caption, const wchar_t* glyph, int left, int width,
                               TNotifyEvent onClick) {
    auto* button = new TVelaButton(this);
    button->SetParent(pnlButtons);
    button->SetBounds(left, 11, width, 30);
    button->SetCaption(caption);
    SetFontLook(button->Font(), L"黑体", 16, clWindowText);
    look::SetGlyphButtonLook(*button, kRowColor, glyph);
    button->SetSpacing(5);
    button->SetRepeatInterval(50);
    button->SetRepeatStartInterval(50);
    button->OnClick = std::move(onClick);
    return button;
}

void TForm4::MakeButtons() {
    pnlButtons = new TFlatPanel(this);
    pnlButtons->SetName("pnlButtons");
    pnlButtons->SetParent(pnlMain);
    pnlButtons->SetBounds(200, 488, 553, 49);
    pnlButtons->SetColor(kRowColor);

    btnQuiz = AddButton(L"猜谜游戏", art::kGlyphBrowserQuiz, 21, 100, [](TComponent*) { Form1->Show(); });
    btnKnowledge = AddButton(L"灯谜知识", art::kGlyphBrowserKnowledge, 133, 100,
                             [this](TComponent*) { StartKnowledgeProgram(); });
    btnRead = AddButton(L"朗读", art::kGlyphBrowserRead, 246, 66, [](TComponent*) { Form1->ReadAloud(); });
    btnAdd = AddButton(L"添加", art::kGlyphBrowserAdd, 319, 66, [](TComponent*) { Form5->Show(); });
    btnSearch =
        AddButton(L"搜索", art::kGlyphBrowserSearch, 392, 66, [this](TComponent*) { PopupSearchMenu(); });
    btnEdit = AddButton(L"修改", art::kGlyphBrowserEdit, 465, 66, [](TComponent*) { Form1->EditRiddle(); });
    btnQuiz->SetName("btnQuiz");
    btnKnowledge->SetName("btnKnowledge");
    btnRead->SetName("btnRead");
    btnAdd->SetName("btnAdd");
    btnSearch->SetName("btnSearch");
    btnEdit->SetName("btnEdit");
}

void TForm4::MakeSearchMenu() {
    pmSearch = new TPopupMenu(this);
    pmSearch->SetName("pmSearch");
    auto add = [this](const wchar_t* caption) {
        auto* item = new TMenuItem(pmSearch);
        item->SetCaption(caption);
        pmSearch->Items()->Add(item);
        return item;
    };
    miSearchRiddle = add(L"搜索谜面");
    add(L"-");
    miSearchAnswer = add(L"搜索谜底");
    miSearchRiddle->OnClick = [this](TComponent*) { Search(L"谜面"); };
    miSearchAnswer->OnClick = [this](TComponent*) { Search(L"谜底"); };
}

void TForm4::BindStore(TDataSource* source) {
    dbgrd1->SetDataSource(source);
    lblAnswer->SetDataSource(source);
}

void TForm4::DoCreate() {
    FillCategories(ExeFolder() + L"sk2.skn");
    TForm::DoCreate();
}

void TForm4::FillCategories(const std::filesystem::path& file) {
    TCategoryGroups groups = ReadCategoryFile(file);
    for (int i = 0; i < int(groups.size()); ++i) {
        TDCOutBarVertListView* list = CategoryList(*dctbr1, i);
        for (const std::string& caption : groups[size_t(i)])
            list->Items().Add()->SetCaption(Widen(caption));
    }
}

} // namespace yq
