#include "KnowledgeView.h"

#include "LineBreak.h"

#include <algorithm>

namespace yq {
namespace {

struct TFontSpec {
    int pixels;
    int weight;
    const wchar_t* face;
};

// Indexed by TFontRole.
constexpr TFontSpec kFontSpecs[] = {
    {38, FW_BOLD, L"楷体"},   // Title
    {18, FW_NORMAL, L"楷体"}, // Subtitle
    {22, FW_NORMAL, L"黑体"}, // Heading
    {17, FW_NORMAL, L"宋体"}, // Body
    {17, FW_NORMAL, L"黑体"}, // Lead
    {14, FW_NORMAL, L"黑体"}, // Tag
    {23, FW_NORMAL, L"楷体"}, // Face
    {16, FW_NORMAL, L"宋体"}, // Target
    {23, FW_BOLD, L"楷体"},   // Answer
    {16, FW_NORMAL, L"宋体"}, // Note
};
static_assert(std::size(kFontSpecs) == size_t(TFontRole::Count));

// Colours of the page.
constexpr COLORREF kPaper = RGB(253, 250, 243);
constexpr COLORREF kInk = RGB(40, 36, 34);
constexpr COLORREF kRed = RGB(178, 24, 30);
constexpr COLORREF kLeadRed = RGB(150, 40, 22);
constexpr COLORREF kGold = RGB(222, 170, 60);
constexpr COLORREF kTitle = RGB(255, 255, 255);
constexpr COLORREF kTitleShadow = RGB(110, 6, 12);
constexpr COLORREF kSubtitle = RGB(255, 230, 150);
constexpr COLORREF kCard = RGB(255, 246, 226);
constexpr COLORREF kCardBorder = RGB(238, 210, 156);
constexpr COLORREF kFaceInk = RGB(30, 30, 30);
constexpr COLORREF kTargetInk = RGB(96, 90, 84);
constexpr COLORREF kAnswerInk = RGB(0, 84, 166);
constexpr COLORREF kNoteInk = RGB(70, 64, 60);
constexpr COLORREF kTagText = RGB(255, 255, 255);

// Metrics of the page, in pixels.
constexpr int kMargin = 28;
constexpr int kBannerHeight = 96;
constexpr int kGapAfterBanner = 14;
constexpr int kBlockGap = 8;
constexpr int kHeadingGapAbove = 18;
constexpr int kHeadingLine = 34;
constexpr int kHeadingBar = 5;
constexpr int kRuleHeight = 2;
constexpr int kBodyLine = 28;
constexpr int kCardIndent = 12;
constexpr int kCardPadding = 12;
constexpr int kCardAccent = 4;
constexpr int kTagWidth = 42;
constexpr int kTagHeight = 22;
constexpr int kTagGap = 10;
constexpr int kCardLine = 34;
constexpr int kNoteLine = 25;
constexpr int kBottomGap = 28;
constexpr int kMinTextWidth = 80;

std::vector<int> PrefixWidths(HDC dc, std::wstring_view text) {
    std::vector<int> widths(text.size());
    SIZE size;
    if (!text.empty())
        GetTextExtentExPointW(dc, text.data(), int(text.size()), 0, nullptr, widths.data(), &size);
    return widths;
}

int TextWidth(HDC dc, HFONT font, std::wstring_view text) {
    SelectGuard select(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
    return size.cx;
}

int CellHeight(HDC dc, HFONT font) {
    SelectGuard select(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

void DrawBanner(HDC dc, HBITMAP banner, const RECT& r) {
    BITMAP info;
    if (!banner || !GetObjectW(banner, sizeof info, &info)) return;
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    SelectGuard select(source.get(), banner);
    int width = r.right - r.left, height = r.bottom - r.top;
    // The picture's ends carry the ornaments and its middle is plain: show
    // both ends and stretch the middle column over whatever is left.
    int half = std::min<int>(width / 2, info.bmWidth / 2);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, r.left, r.top, half, height, source.get(), 0, 0, half, info.bmHeight, SRCCOPY);
    StretchBlt(dc, r.right - half, r.top, half, height, source.get(), info.bmWidth - half, 0, half,
               info.bmHeight, SRCCOPY);
    if (width > 2 * half)
        StretchBlt(dc, r.left + half, r.top, width - 2 * half, height, source.get(), info.bmWidth / 2, 0, 1,
                   info.bmHeight, SRCCOPY);
}

} // namespace

TKnowledgeFonts::TKnowledgeFonts() {
    for (size_t i = 0; i < fonts_.size(); ++i) {
        const TFontSpec& spec = kFontSpecs[i];
        fonts_[i].reset(CreateFontW(-spec.pixels, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, spec.face));
    }
}

void TKnowledgeLayout::AddText(TFontRole font, COLORREF colour, std::wstring_view text, int left, int top,
                               int width, int height) {
    items_.push_back({TDrawItem::Kind::Text, {left, top, left + width, top + height}, colour, font, text});
}

void TKnowledgeLayout::AddFill(COLORREF colour, int left, int top, int right, int bottom) {
    items_.push_back({TDrawItem::Kind::Fill, {left, top, right, bottom}, colour, TFontRole::Body, {}});
}

// Breaks `text` into lines of `width` and adds them, each centred in a
// row of `lineHeight`; returns the top of the next row.
int TKnowledgeLayout::AddLines(HDC dc, const TKnowledgeFonts& fonts, TFontRole font, COLORREF colour,
                               std::wstring_view text, int left, int top, int width, int lineHeight) {
    SelectGuard select(dc, fonts.Get(font));
    int offset = (lineHeight - CellHeight(dc, fonts.Get(font))) / 2;
    auto measure = [dc](std::wstring_view part) { return PrefixWidths(dc, part); };
    for (std::wstring_view line : BreakLines(text, std::max(width, kMinTextWidth), measure)) {
        AddText(font, colour, line, left, top + offset, width, lineHeight - offset);
        top += lineHeight;
    }
    return top;
}

int TKnowledgeLayout::AddHeading(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int top) {
    top += kHeadingGapAbove;
    AddFill(kRed, kMargin, top + 5, kMargin + kHeadingBar, top + kHeadingLine - 5);
    int next = AddLines(dc, fonts, TFontRole::Heading, kRed, block.text, kMargin + kHeadingBar + 10, top,
                        width_ - 2 * kMargin - kHeadingBar - 10, kHeadingLine);
    AddFill(kGold, kMargin, next + 2, width_ - kMargin, next + 2 + kRuleHeight);
    return next + 2 + kRuleHeight + kBlockGap;
}

// Running text; its first line starts two characters in.
int TKnowledgeLayout::AddParagraph(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int top) {
    paragraphs_.push_back(L"　　" + std::wstring(block.text));
    return AddLines(dc, fonts, TFontRole::Body, kInk, paragraphs_.back(), kMargin, top, width_ - 2 * kMargin,
                    kBodyLine) +
           kBlockGap;
}

// A bold lead followed by the text; continuation lines hang under the text.
int TKnowledgeLayout::AddItem(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int left, int top,
                              int width) {
    int leadWidth = TextWidth(dc, fonts.Get(TFontRole::Lead), block.lead);
    SelectGuard select(dc, fonts.Get(TFontRole::Lead));
    int offset = (kBodyLine - CellHeight(dc, fonts.Get(TFontRole::Lead))) / 2;
    AddText(TFontRole::Lead, kLeadRed, block.lead, left, top + offset, leadWidth, kBodyLine - offset);
    return AddLines(dc, fonts, TFontRole::Body, kInk, block.text, left + leadWidth, top, width - leadWidth,
                    kBodyLine);
}

int TKnowledgeLayout::AddExample(HDC dc, const TKnowledgeFonts& fonts, const TBlock& block, int top) {
    const int cardLeft = kMargin + kCardIndent, cardRight = width_ - kMargin;
    const int textLeft = cardLeft + kCardAccent + kCardPadding + kTagWidth + kTagGap;
    const int textWidth = cardRight - kCardPadding - textLeft;
    const size_t frame = items_.size();
    AddFill(kCardBorder, cardLeft, top, cardRight, top); // frame, sized below
    AddFill(kCard, cardLeft, top, cardRight, top);       // face, sized below
    AddFill(kRed, cardLeft, top, cardLeft + kCardAccent, top);
    int y = top + kCardPadding;
    struct Row {
        const wchar_t* tag;
        std::wstring_view text;
        TFontRole font;
        COLORREF colour;
    } rows[] = {{L"谜面", block.lead, TFontRole::Face, kFaceInk},
                {L"谜目", block.text, TFontRole::Target, kTargetInk},
                {L"谜底", block.answer, TFontRole::Answer, kAnswerInk}};
    for (const Row& row : rows) {
        int tagLeft = cardLeft + kCardAccent + kCardPadding, tagTop = y + (kCardLine - kTagHeight) / 2;
        AddFill(kRed, tagLeft, tagTop, tagLeft + kTagWidth, tagTop + kTagHeight);
        int tagTextWidth = TextWidth(dc, fonts.Get(TFontRole::Tag), row.tag);
        int tagOffset = (kTagHeight - CellHeight(dc, fonts.Get(TFontRole::Tag))) / 2;
        AddText(TFontRole::Tag, kTagText, row.tag, tagLeft + (kTagWidth - tagTextWidth) / 2,
                tagTop + tagOffset, tagTextWidth, kTagHeight - tagOffset);
        y = AddLines(dc, fonts, row.font, row.colour, row.text, textLeft, y, textWidth, kCardLine);
    }
    TBlock note{TBlockKind::Item, L"解析：", block.note, {}, {}};
    int noteLeft = cardLeft + kCardAccent + kCardPadding;
    y = AddItem(dc, fonts, note, noteLeft, y + 4, cardRight - kCardPadding - noteLeft);
    // The frame, the face and the accent bar now get their height.
    for (size_t i = frame; i < frame + 3; ++i)
        items_[i].rect.bottom = y + kCardPadding;
    InflateRect(&items_[frame + 1].rect, -1, -1);
    return y + kCardPadding + kBlockGap + 4;
}

void TKnowledgeLayout::Build(HDC dc, const TKnowledgeFonts& fonts, int width) {
    items_.clear();
    width_ = width;
    items_.push_back({TDrawItem::Kind::Banner, {0, 0, width, kBannerHeight}, 0, TFontRole::Title, {}});
    std::wstring_view title = kKnowledgeTitle, subtitle = kKnowledgeSubtitle;
    int titleWidth = TextWidth(dc, fonts.Get(TFontRole::Title), title);
    int subtitleWidth = TextWidth(dc, fonts.Get(TFontRole::Subtitle), subtitle);
    AddText(TFontRole::Title, kTitleShadow, title, (width - titleWidth) / 2 + 2, 16, titleWidth, 48);
    AddText(TFontRole::Title, kTitle, title, (width - titleWidth) / 2, 14, titleWidth, 48);
    AddText(TFontRole::Subtitle, kSubtitle, subtitle, (width - subtitleWidth) / 2, 64, subtitleWidth, 24);

    int top = kBannerHeight + kGapAfterBanner;
    const int textWidth = width - 2 * kMargin;
    paragraphs_.clear();
    for (const TBlock& block : KnowledgeBlocks()) {
        switch (block.kind) {
        case TBlockKind::Heading:
            top = AddHeading(dc, fonts, block, top);
            break;
        case TBlockKind::Paragraph:
            top = AddParagraph(dc, fonts, block, top);
            break;
        case TBlockKind::Item:
            top = AddItem(dc, fonts, block, kMargin, top, textWidth) + kBlockGap / 2;
            break;
        case TBlockKind::Example:
            top = AddExample(dc, fonts, block, top + kBlockGap / 2);
            break;
        }
    }
    height_ = top + kBottomGap;
}

void TKnowledgeLayout::Paint(HDC dc, const TKnowledgeFonts& fonts, HBITMAP banner, int top,
                             SIZE client) const {
    RECT all{0, 0, client.cx, client.cy};
    UniqueBrush paper(CreateSolidBrush(kPaper));
    FillRect(dc, &all, paper.get());
    SetBkMode(dc, TRANSPARENT);
    for (const TDrawItem& item : items_) {
        RECT r = item.rect;
        OffsetRect(&r, 0, -top);
        if (r.bottom < 0 || r.top > client.cy) continue;
        switch (item.kind) {
        case TDrawItem::Kind::Banner:
            DrawBanner(dc, banner, r);
            break;
        case TDrawItem::Kind::Fill: {
            UniqueBrush brush(CreateSolidBrush(item.colour));
            FillRect(dc, &r, brush.get());
            break;
        }
        case TDrawItem::Kind::Text: {
            SelectGuard select(dc, fonts.Get(item.font));
            SetTextColor(dc, item.colour);
            TextOutW(dc, r.left, r.top, item.text.data(), int(item.text.size()));
            break;
        }
        }
    }
}

} // namespace yq
