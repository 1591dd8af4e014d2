// The page of data-aware controls and the page that opens dialogs.
#include "Button.h"
#include "DBCtrls.h"
#include "DBGrid.h"
#include "DataSource.h"
#include "GalleryData.h"
#include "GalleryPages.h"
#include "Label.h"
#include "PageControl.h"

namespace yq::gallery {

void BuildDataPage(TGalleryForm& form, TTabSheet* sheet) {
    auto* data = new TMemoryDataSet(&form);
    data->SetName("RiddleData");
    data->Open(SampleRiddles());
    auto* source = new TDataSource(&form);
    source->SetName("ds1");
    source->SetDataSet(data);

    auto* grid = Place<TDBGrid>(form, sheet, "dbgrd1", 16, 12, 480, 322);
    grid->SetOptions(dgTitles | dgColumnResize | dgColLines | dgRowLines | dgTabs | dgRowSelect |
                     dgAlwaysShowSelection);
    grid->SetReadOnly(true);
    struct Column {
        const wchar_t *field, *title;
        int width;
    } columns[] = {{L"谜面", L"谜面", 220}, {L"谜目", L"谜目", 90}, {L"谜底", L"谜底", 90}};
    for (const Column& c : columns) {
        TColumn& column = grid->Columns().Add();
        column.SetFieldName(c.field);
        column.SetWidth(c.width);
        column.Title().SetCaption(c.title);
        column.Title().SetAlignment(TAlignment::taCenter);
    }
    grid->SetDataSource(source);

    int y = 12;
    for (const wchar_t* field : {L"谜面", L"谜目", L"谜底"}) {
        auto* label = new TLabel(&form);
        label->SetCaption(field);
        label->SetBounds(516, y + 3, 40, 14);
        label->SetParent(sheet);
        auto* edit = new TDBEdit(&form);
        edit->SetBounds(560, y, 170, 21);
        edit->SetParent(sheet);
        edit->SetDataSource(source);
        edit->SetDataField(field);
        y += 30;
    }
    auto* note = new TLabel(&form);
    note->SetCaption(L"表格和编辑框连在同一个数据集上。");
    note->SetBounds(516, y + 6, 220, 14);
    note->SetParent(sheet);
}

void BuildDialogsPage(TGalleryForm& form, TTabSheet* sheet) {
    struct Opener {
        const char* name;
        const wchar_t *caption, *about;
        void (TGalleryForm::*open)();
    } openers[] = {
        {"btnMessageBox", L"平台消息框", L"MessageBox：平台画的窗口和按钮",
         &TGalleryForm::ShowPlatformMessageBox},
        {"btnMessageForm", L"框架消息窗", L"用框架的窗体、标签和按钮做成",
         &TGalleryForm::ShowFrameworkMessageForm},
        {"btnInputBox", L"输入框", L"框架的单行输入框 InputQuery", &TGalleryForm::ShowInputBox},
        {"btnDialog", L"平台对话框", L"类名 #32770，从模板创建，平台的子控件",
         &TGalleryForm::ShowPlatformDialog},
        {"btnOpenFile", L"打开文件对话框", L"平台的打开文件对话框（用来选皮肤文件）",
         &TGalleryForm::OpenSkin},
        {"btnTag99", L"标记 99 的窗口", L"Tag 为 99：皮肤不画它（DisableTag）", &TGalleryForm::ShowTag99Form},
        {"btnMdi", L"多文档框架", L"MDI 框架和子窗口；最大化子窗口，标题按钮并进菜单栏",
         &TGalleryForm::OpenMdiFrame},
    };
    int y = 16;
    for (const Opener& o : openers) {
        auto* b = Place<TButton>(form, sheet, o.name, 16, y, 140, 28);
        b->SetCaption(o.caption);
        auto open = o.open;
        b->OnClick = [&form, open](TComponent*) { (form.*open)(); };
        auto* about = new TLabel(&form);
        about->SetCaption(o.about);
        about->SetBounds(170, y + 7, 400, 14);
        about->SetParent(sheet);
        y += 40;
    }
    auto* hint = new TLabel(&form);
    hint->SetCaption(L"在窗口空白处按右键，打开上下文菜单。");
    hint->SetBounds(16, y + 10, 400, 14);
    hint->SetParent(sheet);
}

} // namespace yq::gallery
