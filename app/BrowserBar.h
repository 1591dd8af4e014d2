#pragma once
// The browser window's category bar dctbr1: six groups, captions in 黑体 16,
// each holding a list with a horizontal gradient from #FEE7C5 to white,
// 黑体 15 navy captions and expanded selection.  The lists start empty.
#include "OutBar.h"

namespace yq {

// Captions of the six groups, in the order of the category file's keys.
inline constexpr const wchar_t* kCategoryGroupCaptions[] = {L"字词类灯谜", L"文化类谜语", L"艺术类谜语",
                                                            L"地名类谜语", L"人名类谜语", L"带格类谜语"};

TDCOutBar* MakeCategoryBar(TWinControl* parent, TComponent* owner);

// The item list of group `index`.
TDCOutBarVertListView* CategoryList(TDCOutBar& bar, int index);

} // namespace yq
