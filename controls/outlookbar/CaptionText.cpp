#include "CaptionText.h"

#include <algorithm>
#include <vector>

namespace yq {

namespace {

struct TLine {
    size_t begin, end; // trailing spaces excluded
};

// CJK ideographs, kana, full-width forms: a line may break on either side.
bool IsWide(wchar_t c) {
    return c >= 0x2E80;
}

bool CanBreakBefore(const std::wstring& t, size_t i) {
    return t[i - 1] == L' ' || t[i] == L' ' || IsWide(t[i - 1]) || IsWide(t[i]);
}

size_t SkipLineBreak(const std::wstring& t, size_t i) {
    if (t[i] == L'\r' && i + 1 < t.size() && t[i + 1] == L'\n') return i + 2;
    return i + 1;
}

std::vector<TLine> BreakLines(HDC dc, const std::wstring& text, int width) {
    std::vector<TLine> lines;
    const size_t n = text.size();
    width = std::max(width, 1);
    std::vector<int> extents;
    size_t pos = 0;
    while (pos < n) {
        size_t stop = std::min(text.find_first_of(L"\r\n", pos), n);
        size_t end = stop;
        if (stop > pos) {
            int fit = 0;
            SIZE size;
            extents.resize(stop - pos);
            GetTextExtentExPointW(dc, text.data() + pos, int(stop - pos), width, &fit, extents.data(), &size);
            if (size_t(fit) < stop - pos) {
                size_t b = pos + size_t(std::max(fit, 0));
                while (b > pos && !CanBreakBefore(text, b))
                    --b;
                end = b > pos ? b : pos + size_t(std::max(fit, 1));
            }
        }
        size_t trimmed = end;
        while (trimmed > pos && text[trimmed - 1] == L' ')
            --trimmed;
        lines.push_back({pos, trimmed});
        pos = end;
        if (pos == stop && stop < n) {
            pos = SkipLineBreak(text, pos);
        } else {
            while (pos < n && text[pos] == L' ')
                ++pos;
        }
    }
    if (lines.empty()) lines.push_back({0, 0});
    return lines;
}

int LineWidth(HDC dc, const std::wstring& text, const TLine& line) {
    SIZE size{0, 0};
    if (line.end > line.begin)
        GetTextExtentPoint32W(dc, text.data() + line.begin, int(line.end - line.begin), &size);
    return size.cx;
}

// The text from `begin` to its end as one line (line breaks as spaces).
std::wstring Rest(const std::wstring& text, size_t begin) {
    std::wstring rest = text.substr(begin);
    std::replace_if(
        rest.begin(), rest.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
    return rest;
}

} // namespace

TWrappedSize MeasureWrappedText(HDC dc, const std::wstring& text, int width) {
    TWrappedSize result;
    std::vector<TLine> lines = BreakLines(dc, text, width);
    result.lines = int(lines.size());
    for (const TLine& line : lines)
        result.width = std::max(result.width, LineWidth(dc, text, line));
    return result;
}

void DrawWrappedText(HDC dc, const std::wstring& text, const RECT& r, int lineHeight, bool centred) {
    if (lineHeight <= 0) return;
    std::vector<TLine> lines = BreakLines(dc, text, r.right - r.left);
    const size_t room = size_t(std::max(1, int(r.bottom - r.top) / lineHeight));
    const size_t shown = std::min(lines.size(), room);
    const UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | (centred ? DT_CENTER : DT_LEFT);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    for (size_t i = 0; i < shown; ++i) {
        RECT lr{r.left, r.top + int(i) * lineHeight, r.right, r.top + int(i + 1) * lineHeight};
        std::wstring line = i + 1 == shown && lines.size() > shown
                                ? Rest(text, lines[i].begin)
                                : text.substr(lines[i].begin, lines[i].end - lines[i].begin);
        DrawTextW(dc, line.c_str(), int(line.size()), &lr, format);
    }
    SetBkMode(dc, oldMode);
}

} // namespace yq
