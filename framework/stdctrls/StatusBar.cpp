#include "StatusBar.h"

#include "CommonControls.h"
#include "Scope.h"
#include "Strings.h"

namespace yq {

YQ_PUBLISHED(TStatusPanel, TPersistent) {
    r.WStr("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    r.Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
    r.Enum("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
    r.Enum("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel, {"pbNone", "pbLowered", "pbRaised"});
    r.Enum("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle, {"psText", "psOwnerDraw"});
    r.Enum("BiDiMode", &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode,
           {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"});
}

YQ_PUBLISHED(TCustomStatusBar, TWinControl) {
    r.Bool("SimplePanel", &TCustomStatusBar::SimplePanel, &TCustomStatusBar::SetSimplePanel);
    r.WStr("SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText);
    r.Bool("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip);
}

YQ_CLASS_INFO(TStatusBar, TCustomStatusBar)

// ---- panels -----------------------------------------------------------------

int TStatusPanel::Index() const {
    return bar_.panels_.IndexOf(this);
}

void TStatusPanel::Changed(bool layout) {
    if (layout)
        bar_.UpdatePanels();
    else
        bar_.UpdatePanel(Index());
}

void TStatusPanel::SetText(const std::wstring& text) {
    if (text == text_) return;
    text_ = text;
    Changed(false);
}

void TStatusPanel::SetWidth(int width) {
    if (width == width_) return;
    width_ = width;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
    bevel_ = bevel;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
    style_ = style;
    Changed(false);
}

void TStatusPanel::SetBiDiMode(TBiDiMode mode) {
    biDiMode_ = mode;
    Changed(false);
}

TStatusPanel* TStatusPanels::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(index);
    return panels_[size_t(index)].get();
}

TStatusPanel* TStatusPanels::Add() {
    panels_.push_back(std::make_unique<TStatusPanel>(bar_));
    bar_.UpdatePanels();
    return panels_.back().get();
}

void TStatusPanels::Delete(int index) {
    Items(index);
    panels_.erase(panels_.begin() + index);
    bar_.UpdatePanels();
}

void TStatusPanels::Clear() {
    panels_.clear();
    bar_.UpdatePanels();
}

int TStatusPanels::IndexOf(const TStatusPanel* panel) const {
    for (size_t i = 0; i < panels_.size(); ++i)
        if (panels_[i].get() == panel) return int(i);
    return -1;
}

// ---- the bar ----------------------------------------------------------------

TCustomStatusBar::TCustomStatusBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 19);
    ControlStyle = csDoubleClicks;
    color_ = clBtnFace;
    SetAlign(TAlign::alBottom);
}

TCustomStatusBar::~TCustomStatusBar() {
    panels_.Clear();
}

void TCustomStatusBar::CreateParamsFor(CreateParams& params) {
    InitCommonControl(ICC_BAR_CLASSES);
    TWinControl::CreateParamsFor(params);
    params.superclass = STATUSCLASSNAMEW;
    // The framework places the bar (Align); the bar must not move itself.
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (sizeGrip_) params.style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::HandleCreated() {
    TWinControl::HandleCreated();
    UpdatePanels();
}

void TCustomStatusBar::Recreate() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    Handle();
}

void TCustomStatusBar::SetSimplePanel(bool simple) {
    if (simple == simplePanel_) return;
    simplePanel_ = simple;
    UpdatePanels();
}

void TCustomStatusBar::SetSimpleText(const std::wstring& text) {
    simpleText_ = text;
    if (HandleAllocated())
        SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID | SBT_NOBORDERS, LPARAM(simpleText_.c_str()));
}

void TCustomStatusBar::SetSizeGrip(bool grip) {
    if (grip == sizeGrip_) return;
    sizeGrip_ = grip;
    Recreate();
}

void TCustomStatusBar::UpdatePanels() {
    if (!HandleAllocated() || Destroying()) return;
    HWND h = Handle();
    bool simple = simplePanel_ || panels_.Count() == 0;
    SendMessageW(h, SB_SIMPLE, simple, 0);
    if (simple) {
        SetSimpleText(simpleText_);
        return;
    }
    std::vector<int> edges;
    int x = 0;
    for (int i = 0; i < panels_.Count(); ++i) {
        x += panels_[i]->Width();
        edges.push_back(i + 1 == panels_.Count() ? -1 : x);
    }
    SendMessageW(h, SB_SETPARTS, edges.size(), LPARAM(edges.data()));
    for (int i = 0; i < panels_.Count(); ++i)
        UpdatePanel(i);
}

void TCustomStatusBar::UpdatePanel(int index) {
    if (!HandleAllocated() || index < 0 || simplePanel_) return;
    const TStatusPanel& p = *panels_[index];
    // The bar centres and right-aligns at tab characters.
    std::wstring text = p.Text();
    TAlignment a = p.Alignment();
    if (p.BiDiMode() != TBiDiMode::bdLeftToRight && a != TAlignment::taCenter)
        a = a == TAlignment::taLeftJustify ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
    if (a == TAlignment::taCenter) text = L"\t" + text;
    if (a == TAlignment::taRightJustify) text = L"\t\t" + text;
    WPARAM flags = WPARAM(index);
    if (p.Bevel() == TStatusPanelBevel::pbNone) flags |= SBT_NOBORDERS;
    if (p.Bevel() == TStatusPanelBevel::pbRaised) flags |= SBT_POPOUT;
    if (p.Style() == TStatusPanelStyle::psOwnerDraw) {
        SendMessageW(Handle(), SB_SETTEXTW, flags | SBT_OWNERDRAW, LPARAM(&p));
        return;
    }
    SendMessageW(Handle(), SB_SETTEXTW, flags, LPARAM(text.c_str()));
}

std::wstring TCustomStatusBar::InspectText() const {
    if (simplePanel_) return simpleText_;
    std::wstring text;
    for (int i = 0; i < panels_.Count(); ++i)
        text += (i ? L"\t" : L"") + panels_[i]->Text();
    return text;
}

RECT TCustomStatusBar::PanelRect(int index) {
    RECT r{};
    SendMessageW(Handle(), SB_GETRECT, WPARAM(index), LPARAM(&r));
    return r;
}

void TCustomStatusBar::DrawItem(TMessage& message) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    int index = int(dis->itemID);
    message.Result = TRUE;
    if (!OnDrawPanel || index < 0 || index >= panels_.Count()) return;
    canvas_.SetHandle(dis->hDC);
    TScopeExit detach([this] { canvas_.SetHandle(nullptr); });
    canvas_.Font().Assign(Font());
    canvas_.Brush().SetColor(Color());
    OnDrawPanel(this, panels_[index], dis->rcItem);
}

void TCustomStatusBar::WndProc(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        DrawItem(message);
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace yq
