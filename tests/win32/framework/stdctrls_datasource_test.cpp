#include "DataSource.h"
#include "MemoryDataSet.h"

#include <gtest/gtest.h>

#include <memory>

using namespace yq;

namespace {

// A view of one field that records what it was told to show.
struct FieldView {
    explicit FieldView(TDataSource* source, const char* field) {
        link.SetFieldName(field);
        link.OnDataChange = [this] {
            shown = link.FieldText();
            ++refreshes;
        };
        link.SetDataSource(source);
    }
    TFieldDataLink link;
    std::string shown = "<never>";
    int refreshes = 0;
};

class DataSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        source.SetDataSet(data);
        data->Open({{{"谜面", "一"}, {"谜底", "1"}}, {{"谜面", "二"}, {"谜底", "2"}}});
    }
    TComponent owner;
    TMemoryDataSet* data = new TMemoryDataSet(&owner);
    TDataSource source;
};

TEST_F(DataSourceTest, ViewsFollowRecordResultAndFieldChanges) {
    FieldView riddle(&source, "谜面"), answer(&source, "谜底");
    EXPECT_EQ(riddle.shown, "一");
    data->Next();
    EXPECT_EQ(riddle.shown, "二");
    EXPECT_EQ(answer.shown, "2");
    data->Open({{{"谜面", "三"}}});
    EXPECT_EQ(riddle.shown, "三");
    EXPECT_EQ(answer.shown, "");
    data->Edit();
    data->SetFieldText("谜面", "改");
    EXPECT_EQ(riddle.shown, "改");
}

TEST_F(DataSourceTest, ViewsShowEmptyTextWithoutARecord) {
    FieldView view(&source, "谜面");
    data->Open({});
    EXPECT_EQ(view.shown, "");
    data->Open({{{"谜面", "一"}}});
    data->Close();
    EXPECT_EQ(view.shown, "");
    EXPECT_EQ(source.State(), TDataSetState::dsInactive);
}

TEST_F(DataSourceTest, FreedDataSetOrSourceLeavesViewsEmptyAndSafe) {
    auto second = std::make_unique<TDataSource>();
    second->SetDataSet(data);
    FieldView a(&source, "谜面"), b(second.get(), "谜面");
    delete data; // a TComponent: both sources are told and forget it
    data = nullptr;
    EXPECT_EQ(source.DataSet(), nullptr);
    EXPECT_EQ(a.shown, "");
    second.reset();
    EXPECT_EQ(b.link.DataSource(), nullptr);
    EXPECT_EQ(b.shown, "");
}

TEST_F(DataSourceTest, AViewFreedByAnotherViewsRefreshIsNotCalled) {
    FieldView killer(&source, "谜面");
    auto victim = std::make_unique<FieldView>(&source, "谜面");
    int victimCalls = 0;
    victim->link.OnDataChange = [&] { ++victimCalls; };
    killer.link.OnDataChange = [&] { victim.reset(); };
    data->Next();
    EXPECT_EQ(victim, nullptr);
    EXPECT_EQ(victimCalls, 0);
}

TEST_F(DataSourceTest, EditingLinkWritesWithoutHearingItsOwnEcho) {
    FieldView editor(&source, "谜面"), other(&source, "谜面");
    int before = editor.refreshes;
    ASSERT_TRUE(editor.link.Edit());
    editor.link.SetFieldText("新");
    EXPECT_EQ(data->State(), TDataSetState::dsEdit);
    EXPECT_EQ(editor.refreshes, before);
    EXPECT_EQ(other.shown, "新");
    data->Next(); // a pending edit is posted when the record moves
    EXPECT_EQ(data->PostCount(), 1);
    EXPECT_EQ(data->Row(1).at("谜面"), "新");
    EXPECT_EQ(editor.shown, "二");
}

TEST_F(DataSourceTest, NothingToEditWithoutARecord) {
    FieldView editor(&source, "谜面");
    data->Open({});
    EXPECT_FALSE(editor.link.Edit());
    editor.link.SetFieldText("x");
    TDataSource empty;
    FieldView unbound(&empty, "谜面");
    EXPECT_FALSE(unbound.link.Edit());
    EXPECT_EQ(unbound.shown, "");
}

} // namespace
