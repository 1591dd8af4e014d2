#include "LineBreak.h"

namespace yq {
namespace {

constexpr std::wstring_view kNoLineStart = L"，。、；：？！）》〉」』”’…—·%,.;:?!)]}";
constexpr std::wstring_view kNoLineEnd = L"（《〈「『“‘([{";

bool NoLineStart(wchar_t c) {
    return kNoLineStart.find(c) != std::wstring_view::npos;
}

bool IsWordChar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// Moves a break at `end` (characters [start, end) stay on the line) back so
// that neither line violates the punctuation or word rules; keeps at least
// one character on the line.
size_t AdjustBreak(std::wstring_view text, size_t start, size_t end) {
    size_t best = end;
    while (best > start + 1 && best < text.size()) {
        bool badStart = NoLineStart(text[best]);
        bool badEnd = kNoLineEnd.find(text[best - 1]) != std::wstring_view::npos;
        bool inWord = IsWordChar(text[best]) && IsWordChar(text[best - 1]);
        if (!badStart && !badEnd && !inWord) return best;
        --best;
    }
    return best > start + 1 ? best : end; // no better place: break where it fits
}

void BreakParagraph(std::wstring_view text, int width, const TPrefixWidths& measure,
                    std::vector<std::wstring_view>& lines) {
    size_t start = 0;
    while (start < text.size()) {
        std::wstring_view rest = text.substr(start);
        std::vector<int> widths = measure(rest);
        size_t fit = 0;
        while (fit < rest.size() && widths[fit] <= width)
            ++fit;
        if (fit == rest.size()) {
            lines.push_back(rest);
            return;
        }
        size_t end = start + (fit ? fit : 1);
        // One closing mark may hang past the edge rather than start a line;
        // more than one move down with the character before them.
        bool hang = fit && NoLineStart(text[end]) && (end + 1 == text.size() || !NoLineStart(text[end + 1]));
        end = hang ? end + 1 : AdjustBreak(text, start, end);
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
}

} // namespace

std::vector<std::wstring_view> BreakLines(std::wstring_view text, int width, const TPrefixWidths& measure) {
    std::vector<std::wstring_view> lines;
    for (;;) {
        size_t newline = text.find(L'\n');
        std::wstring_view paragraph = text.substr(0, newline);
        size_t before = lines.size();
        BreakParagraph(paragraph, width, measure, lines);
        if (lines.size() == before) lines.push_back(paragraph); // an empty line
        if (newline == std::wstring_view::npos) return lines;
        text.remove_prefix(newline + 1);
    }
}

} // namespace yq
