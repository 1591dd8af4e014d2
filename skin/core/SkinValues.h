#pragma once
// Value syntaxes of the skin description: colours written as three decimal
// numbers ("255 201 12", any non-digits separate) and picture references
// (only the file-name part counts, and only ".bmp" names are pictures).
#include <cstdint>
#include <string>
#include <string_view>

namespace yq {

// Red + green * 256 + blue * 65536, each taken modulo 256.  A number at the
// very end of the text counts (as blue) only after exactly two others, so a
// lone number gives black; a number too large for 32 bits stays pending and
// makes it and every later value 0.
std::uint32_t ParseColour(std::string_view text);
// `defaultColour` for empty text, else ParseColour.
std::uint32_t ReadColour(std::string_view text, std::uint32_t defaultColour);

// The archive entry a picture reference names: the part after the last
// backslash or colon, when it ends in exactly ".bmp"; else empty.
std::string SkinImageEntryName(std::string_view reference);

} // namespace yq
