#pragma once
// Texts that belong with the artwork.

namespace yq::art {

// The quiz window's bottom banner caption (隶书 16, white, centred on the
// footer picture).
inline constexpr wchar_t kQuizFooterCaption[] = L"花灯映彩添雅趣，妙语藏机待君猜";

} // namespace yq::art
