#pragma once
// TForm4, the riddle browser and main window: category bar filled from
// sk2.skn, the grid and answer label on the quiz window's store, sort
// toggle, searches and the buttons that open the other windows.
#include "Form.h"

#include <filesystem>
#include <string>

namespace yq {

class TDataSource;
class TDBGrid;
class TDBText;
class TDCOutBar;
class TDCVertListView;
class TFlatPanel;
class TImage;
class TMenuItem;
class TPopupMenu;
class TVelaButton;

class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);
    ~TForm4() override;
    const char* ClassName() const override { return "TForm4"; }

    // Binds the grid and the answer label to the store's data source; the
    // quiz window calls it when it has made the store.
    void BindStore(TDataSource* source);

    // The creation step: fills the category bar from sk2.skn beside the
    // executable.  The store does not exist yet and is not touched.
    void DoCreate() override;
    // Appends each group's items from a category file; a missing file adds
    // nothing.
    void FillCategories(const std::filesystem::path& file);

    // The application-wide message filter: while the grid is this window's
    // active control, a wheel message (to whatever window) becomes one Up
    // or Down key press, left for normal dispatch.
    void TranslateWheel(MSG& msg) const;

    // Commands.
    void CategoryQuery(TDCVertListView& list);
    // Ascending on a new field, descending when clicked again.
    void SortToggle(const std::wstring& field);
    // Asks for a keyword and searches `field` (谜面 or 谜底) for it.
    void Search(const std::wstring& field);
    void StartKnowledgeProgram();
    void PopupSearchMenu();

    // The field last sorted ascending; empty after a descending sort.
    const std::wstring& SortField() const { return sortField_; }

    TFlatPanel* pnlMain = nullptr;
    TImage* imgHeader = nullptr;
    TDBText* lblAnswer = nullptr;
    TDCOutBar* dctbr1 = nullptr;
    TDBGrid* dbgrd1 = nullptr;
    TFlatPanel* pnlButtons = nullptr;
    TVelaButton* btnQuiz = nullptr;
    TVelaButton* btnKnowledge = nullptr;
    TVelaButton* btnRead = nullptr;
    TVelaButton* btnAdd = nullptr;
    TVelaButton* btnSearch = nullptr;
    TVelaButton* btnEdit = nullptr;
    TPopupMenu* pmSearch = nullptr;
    TMenuItem* miSearchRiddle = nullptr;
    TMenuItem* miSearchAnswer = nullptr;

private:
    void MakeHeader();
    void MakeGrid();
    void MakeButtons();
    void MakeSearchMenu();
    TVelaButton* AddButton(const wchar_t* caption, const wchar_t* glyph, int left, int width,
                           TNotifyEvent onClick);

    std::wstring sortField_;
};

} // namespace yq
