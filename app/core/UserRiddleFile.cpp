#include "UserRiddleFile.h"

#include "FileIo.h"
#include "Gbk.h"

#include <cerrno>
#include <cstdio>

namespace yq {

namespace {

bool IsBreak(char c) {
    return c == '\r' || c == '\n';
}

// Length of the break starting at text[i] (CR LF counts as one break).
size_t BreakLength(std::string_view text, size_t i) {
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

} // namespace

std::string LoadUserRiddleFile(const std::filesystem::path& path) {
    errno = 0;
    FilePtr file(OpenFile(path, "rb"));
    if (!file) ThrowFileError("Cannot open file", path, errno);
    std::string bytes;
    char buffer[16384];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, n);
    if (std::ferror(file.get())) ThrowFileError("Cannot read file", path, errno ? errno : EIO);
    return NormalizeLineBreaks(GbkToUtf8(bytes));
}

void SaveUserRiddleFile(const std::filesystem::path& path, std::string_view text,
                        const std::function<void(TSaveStep)>& onStep) {
    WriteFileSafely(path, Utf8ToGbk(text), onStep);
}

std::string NormalizeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size();) {
        if (!IsBreak(text[i])) {
            out += text[i++];
            continue;
        }
        out += "\r\n";
        i += BreakLength(text, i);
    }
    return out;
}

int UserRiddleLineCount(std::string_view text) {
    int breaks = 0;
    for (size_t i = 0; i < text.size();) {
        if (IsBreak(text[i])) {
            ++breaks;
            i += BreakLength(text, i);
        } else {
            ++i;
        }
    }
    bool lastLineEmpty = text.empty() || IsBreak(text.back());
    return lastLineEmpty ? breaks : breaks + 1;
}

std::string UserRiddleLine(std::string_view text, int index) {
    if (index < 0) return {};
    size_t start = 0;
    for (int line = 0; line < index; ++line) {
        size_t end = start;
        while (end < text.size() && !IsBreak(text[end]))
            ++end;
        if (end == text.size()) return {};
        start = end + BreakLength(text, end);
    }
    size_t end = start;
    while (end < text.size() && !IsBreak(text[end]))
        ++end;
    return std::string(text.substr(start, end - start));
}

} // namespace yq
