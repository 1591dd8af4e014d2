#pragma once
// TSkinReader: opens a skin blob, checks the archive inside it and hands out
// its entries by name.  The archive's sizes are checked against the data
// area before anything is read, so a damaged archive is refused as a whole.
#include "ByteStream.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

inline constexpr const char* kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

class ESkinArchiveError : public std::runtime_error {
public:
    explicit ESkinArchiveError(const std::string& message) : std::runtime_error(message) {}
};

class TSkinReader {
public:
    // Shows the older-skin message; the Win32 skin data puts a message box
    // here.  Unset, the message is not shown.
    std::function<void(std::string_view message)> ShowMessage;

    // Decompresses `blob` and reads the archive.  False (after the older-skin
    // message) when the version is not 20000; ESkinArchiveError when the
    // archive's structure runs past its data; ElzhException from the decoder.
    bool LoadArchive(TByteStream& blob);
    // The same for an archive that is already decompressed.
    bool ReadArchive(TByteStream& archive);

    // Clears `destination`, then writes the entry named exactly `name`
    // (lower-cased first) into it, positioned at 0.  No match leaves it empty.
    void GetEntry(std::string_view name, TByteStream& destination) const;
    // As GetEntry for the first entry whose name contains `part` as given;
    // also returns that entry's name (empty when none).
    void FindEntry(std::string_view part, TByteStream& destination, std::string& name) const;

    int EntryCount() const { return int(names_.size()); }
    const std::vector<std::string>& Names() const { return names_; }

private:
    void CopyEntry(std::size_t index, TByteStream& destination) const;

    std::vector<std::string> names_;
    std::vector<std::int64_t> offsets_; // start of each entry in data_, plus the end
    std::vector<std::uint8_t> data_;
};

// ASCII lower case, as the archive's names are stored.
std::string LowerAscii(std::string_view text);

} // namespace yq
