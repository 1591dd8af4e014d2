#include "DBCtrls.h"
#include "Form.h"
#include "MemoryDataSet.h"

#include <gtest/gtest.h>

using namespace yq;

namespace {

class DBControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 400, 300);
        data = new TMemoryDataSet(form);
        source = new TDataSource(form);
        source->SetDataSet(data);
        data->Open({{{"谜面", "一"}, {"谜底", "壹"}}, {{"谜面", "二"}, {"谜底", "贰"}}});
    }
    void TearDown() override { delete form; }

    template <class T> T* Bound(const wchar_t* field) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetDataField(field);
        c->SetDataSource(source);
        return c;
    }

    static void Type(TWinControl* control, const std::wstring& text) {
        for (wchar_t c : text)
            SendMessageW(control->Handle(), WM_CHAR, c, 0);
    }

    TForm* form = nullptr;
    TMemoryDataSet* data = nullptr;
    TDataSource* source = nullptr;
};

TEST_F(DBControlsTest, BoundViewsFollowTheCurrentRecordAndShowEmptyTextWithoutOne) {
    auto* label = Bound<TDBText>(L"谜底");
    auto* edit = Bound<TDBEdit>(L"谜面");
    edit->Handle();
    EXPECT_EQ(label->Caption(), L"壹");
    EXPECT_EQ(edit->Text(), L"一");
    data->Next();
    EXPECT_EQ(label->Caption(), L"贰");
    EXPECT_EQ(edit->Text(), L"二");
    data->Open({});
    EXPECT_EQ(label->Caption(), L"");
    EXPECT_EQ(edit->Text(), L"");
    data->Open({{{"谜面", "三"}, {"谜底", "叁"}}});
    data->Close();
    EXPECT_EQ(label->Caption(), L"");
    EXPECT_EQ(edit->Text(), L"");
    EXPECT_FALSE(edit->Modified());
}

TEST_F(DBControlsTest, TextSetOnADataLabelStaysUntilTheRecordChanges) {
    auto* label = Bound<TDBText>(L"谜面");
    label->SetCaption(L"用户的谜");
    EXPECT_EQ(label->Caption(), L"用户的谜");
    data->Next();
    EXPECT_EQ(label->Caption(), L"二");
    EXPECT_EQ(label->DataField(), L"谜面");
}

TEST_F(DBControlsTest, TypingEditsTheCurrentRecordFromTheFirstKeystroke) {
    auto* edit = Bound<TDBEdit>(L"谜面");
    auto* label = Bound<TDBText>(L"谜面");
    SendMessageW(edit->Handle(), EM_SETSEL, 1, 1);
    EXPECT_EQ(data->State(), TDataSetState::dsBrowse);
    Type(edit, L"改");
    EXPECT_EQ(data->State(), TDataSetState::dsEdit);
    EXPECT_EQ(data->FieldText("谜面"), "一改");
    EXPECT_EQ(label->Caption(), L"一改"); // other views see the buffer at once
    EXPECT_EQ(edit->Text(), L"一改");     // and the editor keeps its caret and text
    Type(edit, L"\b");
    EXPECT_EQ(data->FieldText("谜面"), "一");
    data->Next(); // the move posts the pending edit
    EXPECT_EQ(data->PostCount(), 1);
    EXPECT_EQ(edit->Text(), L"二");
}

TEST_F(DBControlsTest, TypingWithoutARecordChangesNothing) {
    auto* edit = Bound<TDBEdit>(L"谜面");
    data->Open({});
    Type(edit, L"字");
    EXPECT_EQ(edit->Text(), L"");
    EXPECT_EQ(data->State(), TDataSetState::dsBrowse);
    edit->SetDataSource(nullptr);
    Type(edit, L"字");
    EXPECT_EQ(edit->Text(), L"");
}

} // namespace
