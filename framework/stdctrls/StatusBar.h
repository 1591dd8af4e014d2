#pragma once
// TStatusBar: the platform's status bar, aligned to the bottom of its
// parent.  Either one simple text (SimplePanel, or no panels) or a row of
// panels, each Width pixels wide (the last one takes the rest), with its
// text, alignment and bevel; owner-drawn panels are painted by
// OnDrawPanel.  SizeGrip shows the grip in the bottom-right corner.
#include "WinControl.h"

#include <memory>
#include <vector>

namespace yq {

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TStatusPanelStyle { psText, psOwnerDraw };
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TCustomStatusBar;

class TStatusPanel : public TPersistent {
    YQ_CLASS(TStatusPanel, TPersistent)
public:
    explicit TStatusPanel(TCustomStatusBar& bar) : bar_(bar) {}

    int Index() const;
    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel);
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle style);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);

private:
    void Changed(bool layout);
    TCustomStatusBar& bar_;
    std::wstring text_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
    TStatusPanelStyle style_ = TStatusPanelStyle::psText;
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};

class TStatusPanels {
public:
    explicit TStatusPanels(TCustomStatusBar& bar) : bar_(bar) {}
    int Count() const { return int(panels_.size()); }
    // Raises EListError for an index out of range.
    TStatusPanel* Items(int index) const;
    TStatusPanel* operator[](int index) const { return Items(index); }
    TStatusPanel* Add();
    void Delete(int index);
    void Clear();
    int IndexOf(const TStatusPanel* panel) const;

private:
    TCustomStatusBar& bar_;
    std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

class TCustomStatusBar;
using TDrawPanelEvent = std::function<void(TCustomStatusBar* sender, TStatusPanel* panel, const RECT& rect)>;

class TCustomStatusBar : public TWinControl {
    YQ_CLASS(TCustomStatusBar, TWinControl)
public:
    explicit TCustomStatusBar(TComponent* owner = nullptr);
    ~TCustomStatusBar() override;

    TStatusPanels& Panels() { return panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    const std::wstring& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::wstring& text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool grip);
    // The canvas OnDrawPanel paints on (the bar's paint DC meanwhile).
    TCanvas& Canvas() { return canvas_; }
    // The panel's rectangle as the bar reports it (SB_GETRECT).
    RECT PanelRect(int index);
    // The simple text, or the panels' texts separated by tabs.
    std::wstring InspectText() const override;

    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    friend class TStatusPanel;
    friend class TStatusPanels;
    void UpdatePanels();
    void UpdatePanel(int index);
    void Recreate();
    void DrawItem(TMessage& message);

    TStatusPanels panels_{*this};
    bool simplePanel_ = false;
    std::wstring simpleText_;
    bool sizeGrip_ = true;
    TCanvas canvas_;
};

class TStatusBar : public TCustomStatusBar {
    YQ_CLASS(TStatusBar, TCustomStatusBar)
public:
    using TCustomStatusBar::TCustomStatusBar;
};

} // namespace yq
