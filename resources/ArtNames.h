#pragma once
// Names of the generated artwork in the program's resources (yunqiao.rc).
// JPEG pictures are RCDATA; glyphs are 24-bit BITMAPs whose bottom-left
// pixel is the face colour of their button (the transparent colour).

namespace yq::art {

// JPEGs, shown stretched: header 678 x 62 -> 765 x 62; both banners
// 2940 x 700 -> 784 x 105 (top) and 784 x 38 (bottom).
inline constexpr wchar_t kBrowserHeader[] = L"BROWSER_HEADER";
inline constexpr wchar_t kQuizBannerTop[] = L"QUIZ_BANNER_TOP";
inline constexpr wchar_t kQuizBannerBottom[] = L"QUIZ_BANNER_BOTTOM";

// Browser button row, 19 x 20 on #FBFDFF.
inline constexpr wchar_t kGlyphBrowserQuiz[] = L"GLYPH_BROWSER_QUIZ";           // 猜谜游戏
inline constexpr wchar_t kGlyphBrowserKnowledge[] = L"GLYPH_BROWSER_KNOWLEDGE"; // 灯谜知识
inline constexpr wchar_t kGlyphBrowserRead[] = L"GLYPH_BROWSER_READ";           // 朗读
inline constexpr wchar_t kGlyphBrowserAdd[] = L"GLYPH_BROWSER_ADD";             // 添加
inline constexpr wchar_t kGlyphBrowserSearch[] = L"GLYPH_BROWSER_SEARCH";       // 搜索
inline constexpr wchar_t kGlyphBrowserEdit[] = L"GLYPH_BROWSER_EDIT";           // 修改

// Quiz window, on white: 19 x 20 ...
inline constexpr wchar_t kGlyphQuizBrowse[] = L"GLYPH_QUIZ_BROWSE"; // 浏览
inline constexpr wchar_t kGlyphQuizEdit[] = L"GLYPH_QUIZ_EDIT";     // 修改
inline constexpr wchar_t kGlyphQuizRead[] = L"GLYPH_QUIZ_READ";     // 朗读
inline constexpr wchar_t kGlyphQuizAdd[] = L"GLYPH_QUIZ_ADD";       // 添加
inline constexpr wchar_t kGlyphQuizMusic[] = L"GLYPH_QUIZ_MUSIC";   // 音乐
// ... and 32 x 32.
inline constexpr wchar_t kGlyphQuizAnswer[] = L"GLYPH_QUIZ_ANSWER";         // 显示答案
inline constexpr wchar_t kGlyphQuizSequential[] = L"GLYPH_QUIZ_SEQUENTIAL"; // 顺序出谜
inline constexpr wchar_t kGlyphQuizRandom[] = L"GLYPH_QUIZ_RANDOM";         // 随机出谜
inline constexpr wchar_t kGlyphQuizUserBank[] = L"GLYPH_QUIZ_USERBANK";     // 用户谜库

// Edit window's confirm button, 39 x 40 on white.
inline constexpr wchar_t kGlyphEditConfirm[] = L"GLYPH_EDIT_CONFIRM"; // 确认修改

// The program icon (16, 32 and 48 pixels).
inline constexpr wchar_t kMainIcon[] = L"MAINICON";

} // namespace yq::art
