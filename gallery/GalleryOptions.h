#pragma once
// The gallery's command line: skingallery.exe [SKINFILE] [--page N]
// [--unskinned].  SKINFILE replaces the built-in skin; N (from 1) is the
// page shown first; --unskinned leaves the skin component inactive.
#include <string>
#include <vector>

namespace yq::gallery {

struct TGalleryOptions {
    std::wstring skinFile;
    int page = 1;
    bool unskinned = false;
    // Empty when the command line was understood; else what was wrong.
    std::wstring error;
};

TGalleryOptions ParseGalleryOptions(const std::vector<std::wstring>& args);

// The usage text shown with an error.
extern const wchar_t* const kGalleryUsage;

} // namespace yq::gallery
