#include "GalleryOptions.h"

#include <cwctype>

namespace yq::gallery {

const wchar_t* const kGalleryUsage = L"用法：skingallery.exe [皮肤文件] [--page N] [--unskinned]\n"
                                     L"  皮肤文件       预览这个皮肤，代替内置皮肤\n"
                                     L"  --page N       先显示第 N 页（从 1 数起）\n"
                                     L"  --unskinned    不启用皮肤";

namespace {
bool ParsePage(const std::wstring& text, int& page) {
    if (text.empty() || text.size() > 4) return false;
    int value = 0;
    for (wchar_t c : text) {
        if (!std::iswdigit(c)) return false;
        value = value * 10 + (c - L'0');
    }
    if (value < 1) return false;
    page = value;
    return true;
}
} // namespace

TGalleryOptions ParseGalleryOptions(const std::vector<std::wstring>& args) {
    TGalleryOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        if (a == L"--unskinned") {
            o.unskinned = true;
        } else if (a == L"--page") {
            if (i + 1 >= args.size() || !ParsePage(args[i + 1], o.page)) {
                o.error = L"--page 后面要跟一个页码（从 1 数起）。";
                return o;
            }
            ++i;
        } else if (a.rfind(L"--", 0) == 0) {
            o.error = L"不认识的选项：" + a;
            return o;
        } else if (o.skinFile.empty()) {
            o.skinFile = a;
        } else {
            o.error = L"只能给一个皮肤文件。";
            return o;
        }
    }
    return o;
}

} // namespace yq::gallery
