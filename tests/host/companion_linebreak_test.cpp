#include "LineBreak.h"

#include <gtest/gtest.h>

#include <string>

using namespace yq;

namespace {

// Chinese characters and punctuation 10 pixels wide, ASCII 5.
std::vector<int> Widths(std::wstring_view text) {
    std::vector<int> widths;
    int sum = 0;
    for (wchar_t c : text)
        widths.push_back(sum += c < 0x80 ? 5 : 10);
    return widths;
}

std::vector<std::wstring> Break(std::wstring_view text, int width) {
    std::vector<std::wstring> lines;
    for (std::wstring_view line : BreakLines(text, width, Widths))
        lines.emplace_back(line);
    return lines;
}

TEST(LineBreak, BreaksChineseTextByTheRulesOfPunctuationAndWords) {
    struct Case {
        const char* what;
        std::wstring text;
        int width;
        std::vector<std::wstring> lines;
    } cases[] = {
        {"plain text fills each line", L"一二三四五六七八九十", 50, {L"一二三四五", L"六七八九十"}},
        {"one closing mark hangs past the edge", L"一二三四五，六七", 50, {L"一二三四五，", L"六七"}},
        {"two closing marks take the last character down",
         L"一二三四五。”六七",
         50,
         {L"一二三四", L"五。”六七"}},
        {"an opening mark never ends a line", L"一二三四“五六”", 50, {L"一二三四", L"“五六”"}},
        {"a Latin word stays whole", L"一二三abcdef", 50, {L"一二三", L"abcdef"}},
        {"a word longer than the line is cut", L"abcdefghijklmn", 50, {L"abcdefghij", L"klmn"}},
        {"line breaks are kept, empty lines too", L"一二\n\n三", 50, {L"一二", L"", L"三"}},
        {"empty text is one empty line", L"", 50, {L""}},
        {"a character wider than the line gets its own", L"一二", 5, {L"一", L"二"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Break(c.text, c.width), c.lines) << c.what;
}

TEST(LineBreak, EveryCharacterLandsOnExactlyOneLine) {
    std::wstring text;
    for (int i = 0; i < 40; ++i)
        text += L"谜面，“谜目”与谜底。abc ";
    for (int width : {7, 30, 55, 120, 333}) {
        std::wstring joined;
        for (const std::wstring& line : Break(text, width)) {
            ASSERT_FALSE(line.empty()) << width;
            joined += line;
        }
        EXPECT_EQ(joined, text) << width;
    }
}

} // namespace
