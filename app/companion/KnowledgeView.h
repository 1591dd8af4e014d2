#pragma once
// The 灯谜知识 page: its fonts, the layout of the text blocks for a width
// (positions in page coordinates, the page being as tall as it needs) and
// the painter that draws a part of the page into a device context.
#include "GdiObjects.h"
#include "KnowledgeText.h"

#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace yq {

enum class TFontRole { Title, Subtitle, Heading, Body, Lead, Tag, Face, Target, Answer, Note, Count };

class TKnowledgeFonts {
public:
    TKnowledgeFonts();
    HFONT Get(TFontRole role) const { return fonts_[size_t(role)].get(); }

private:
    std::array<UniqueFont, size_t(TFontRole::Count)> fonts_;
};

struct TDrawItem {
    enum class Kind { Text, Fill, Banner } kind;
    RECT rect;              // page coordinates
    COLORREF colour;        // text or fill colour
    TFontRole font;         // Text only
    std::wstring_view text; // Text only; drawn on one line at rect's top left
};

class TKnowledgeLayout {
public:
    // Lays the blocks out for a page `width` pixels wide.
    void Build(HDC dc, const TKnowledgeFonts& fonts, int width);
    int Height() const { return height_; }
    const std::vector<TDrawItem>& Items() const { return items_; }

    // Draws the page rows [top, top + client height) at the DC's origin;
    // `banner` is the festive picture of the page's head.
    void Paint(HDC dc, const TKnowledgeFonts& fonts, HBITMAP banner, int top, SIZE client) const;

private:
    int AddLines(HDC dc, const TKnowledgeFonts& fonts, TFontRole font, COLORREF colour,
                 std::wstring_view text, int left, int top, int width, int lineHeight);
    int AddHeading(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int top);
    int AddParagraph(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int top);
    int AddItem(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int left, int top, int width);
    int AddExample(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int top);
    void AddText(TFontRole font, COLORREF colour, std::wstring_view text, int left, int top, int width,
                 int height);
    void AddFill(COLORREF colour, int left, int top, int right, int bottom);

    std::vector<TDrawItem> items_;
    std::deque<std::wstring> paragraphs_; // indented copies the items point into; a deque never moves them
    int width_ = 0;
    int height_ = 0;
};

} // namespace yq
