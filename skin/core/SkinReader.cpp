#include "SkinReader.h"

#include "Lzh.h"

#include <algorithm>

namespace yq {

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return out;
}

namespace {

constexpr std::uint32_t kVersion = 20000;
constexpr std::int64_t kHeaderSize = 16;

// Splits at CR, LF or CR LF; a final line break adds no empty name.
std::vector<std::string> SplitNames(std::string_view text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        names.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) names.emplace_back(text.substr(start));
    return names;
}

[[noreturn]] void Damaged(const char* what) {
    throw ESkinArchiveError(std::string("Damaged skin archive: ") + what);
}

} // namespace

bool TSkinReader::LoadArchive(TByteStream& blob) {
    TByteStream archive;
    TLZH().Decompress(blob, archive);
    return ReadArchive(archive);
}

bool TSkinReader::ReadArchive(TByteStream& archive) {
    names_.clear();
    offsets_.clear();
    data_.clear();

    archive.SetPosition(0);
    const auto version = std::uint32_t(archive.ReadInt32());
    const std::int64_t nameListSize = archive.ReadInt32();
    if (version != kVersion) {
        if (ShowMessage) ShowMessage(kOlderSkinMessage);
        return false;
    }
    const std::int64_t total = archive.Size();
    if (total < kHeaderSize) Damaged("the header is incomplete");
    if (nameListSize < 0 || nameListSize > total - kHeaderSize) Damaged("the name list runs past the end");

    const auto bytes = archive.Bytes();
    const std::string_view nameList(reinterpret_cast<const char*>(bytes.data() + kHeaderSize),
                                    std::size_t(nameListSize));
    std::vector<std::string> names = SplitNames(LowerAscii(nameList));

    const std::int64_t sizeTable = kHeaderSize + nameListSize;
    const auto count = std::int64_t(names.size());
    if (count > (total - sizeTable) / 4) Damaged("the size table runs past the end");
    const std::int64_t dataStart = sizeTable + 4 * count;
    const std::int64_t dataSize = total - dataStart;

    std::vector<std::int64_t> offsets{0};
    archive.SetPosition(sizeTable);
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t size = archive.ReadInt32();
        if (size < 0) Damaged("an entry size is negative");
        if (size > dataSize - offsets.back()) Damaged("the entries run past the data");
        offsets.push_back(offsets.back() + size);
    }

    names_ = std::move(names);
    offsets_ = std::move(offsets);
    data_.assign(bytes.begin() + dataStart, bytes.end());
    return true;
}

void TSkinReader::CopyEntry(std::size_t index, TByteStream& destination) const {
    const auto begin = std::size_t(offsets_[index]);
    const auto end = std::size_t(offsets_[index + 1]);
    destination.Write(data_.data() + begin, end - begin);
    destination.SetPosition(0);
}

void TSkinReader::GetEntry(std::string_view name, TByteStream& destination) const {
    destination.Clear();
    const std::string wanted = LowerAscii(name);
    const auto it = std::find(names_.begin(), names_.end(), wanted);
    if (it != names_.end()) CopyEntry(std::size_t(it - names_.begin()), destination);
}

void TSkinReader::FindEntry(std::string_view part, TByteStream& destination, std::string& name) const {
    destination.Clear();
    name.clear();
    const auto it = std::find_if(names_.begin(), names_.end(),
                                 [&](const std::string& n) { return n.find(part) != std::string::npos; });
    if (it == names_.end()) return;
    name = *it;
    CopyEntry(std::size_t(it - names_.begin()), destination);
}

} // namespace yq
