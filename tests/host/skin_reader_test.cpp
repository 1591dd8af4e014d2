// The skin archive reader: name lists, entry lookup, the version check and
// archives whose structure does not fit their data.
#include "Lzh.h"
#include "LzhEncoder.h"
#include "SkinArchive.h"
#include "SkinReader.h"

#include <gtest/gtest.h>

#include <string>

namespace yq {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

// An archive with a hand-written name list and size table.
Bytes RawArchive(std::uint32_t version, std::string_view names, std::vector<std::int32_t> sizes,
                 std::string_view data, std::int32_t nameListSize = -2) {
    TByteStream s;
    s.WriteInt32(std::int32_t(version));
    s.WriteInt32(nameListSize == -2 ? std::int32_t(names.size()) : nameListSize);
    s.WriteInt32(0);
    s.WriteInt32(0);
    s.Write(names.data(), names.size());
    for (auto size : sizes)
        s.WriteInt32(size);
    s.Write(data.data(), data.size());
    return s.TakeBytes();
}

std::string Entry(const TSkinReader& reader, std::string_view name) {
    TByteStream out;
    reader.GetEntry(name, out);
    EXPECT_EQ(out.Position(), 0);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

TEST(SkinReader, SplitsTheNameListAndFindsEntries) {
    struct Case {
        const char* what;
        std::string_view names;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"CR LF, final break", "A.bmp\r\nB.ini\r\n", {"a.bmp", "b.ini"}},
        {"LF and CR alone", "a\nb\rc", {"a", "b", "c"}},
        {"empty line in the middle", "a\r\n\r\nb", {"a", "", "b"}},
        {"no names", "", {}},
        {"only letters are lower-cased",
         "ÄB-Ç.BMP\n",
         {"\xc3\x84"
          "b-\xc3\x87.bmp"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::int32_t> sizes(c.expected.size(), 1);
        TByteStream archive(RawArchive(20000, c.names, sizes, std::string(c.expected.size(), 'x')));
        TSkinReader reader;
        ASSERT_TRUE(reader.ReadArchive(archive));
        EXPECT_EQ(reader.Names(), c.expected);
    }

    const TSkinArchiveEntry entries[] = {{"combo-arrows.bmp", Text("arrows")},
                                         {"empty.bmp", {}},
                                         {"skin.ini", Text("[x]")},
                                         {"two.ini", Text("2")}};
    TByteStream archive(PackSkinArchive(entries));
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadArchive(archive));
    EXPECT_EQ(Entry(reader, "Combo-Arrows.bmp"), "arrows");
    EXPECT_EQ(Entry(reader, "skin.ini"), "[x]");
    EXPECT_EQ(Entry(reader, "empty.bmp"), "");
    EXPECT_EQ(Entry(reader, "missing.bmp"), "");
    EXPECT_EQ(Entry(reader, "skin"), "") << "GetEntry matches whole names only";

    TByteStream found(Text("old contents"));
    std::string name;
    reader.FindEntry(".ini", found, name);
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(std::string(found.Bytes().begin(), found.Bytes().end()), "[x]");
    reader.FindEntry(".INI", found, name);
    EXPECT_EQ(name, "") << "the part is compared as given";
    EXPECT_EQ(found.Size(), 0);
}

TEST(SkinReader, OlderVersionShowsTheMessageAndFails) {
    const TSkinArchiveEntry entries[] = {{"skin.ini", Text("[x]")}};
    TByteStream blob(LzhCompress(PackSkinArchive(entries, 19999)));
    TSkinReader reader;
    std::vector<std::string> shown;
    reader.ShowMessage = [&](std::string_view m) { shown.emplace_back(m); };
    EXPECT_FALSE(reader.LoadArchive(blob));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.EntryCount(), 0);

    TByteStream good(LzhCompress(PackSkinArchive(entries)));
    EXPECT_TRUE(reader.LoadArchive(good));
    EXPECT_EQ(Entry(reader, "skin.ini"), "[x]");
    EXPECT_EQ(shown.size(), 1u);
}

TEST(SkinReader, RefusesStructureThatRunsPastTheData) {
    struct Case {
        const char* what;
        Bytes archive;
    };
    const Case cases[] = {
        {"header cut short", Bytes{0x20, 0x4E, 0, 0, 1, 0}},
        {"negative name list", RawArchive(20000, "a\n", {1}, "x", -5)},
        {"name list past the end", RawArchive(20000, "a\n", {1}, "x", 1000)},
        {"size table past the end", RawArchive(20000, "a\nb\nc\n", {1}, "")},
        {"negative size", RawArchive(20000, "a\nb\n", {-1, 2}, "xx")},
        {"sizes past the data", RawArchive(20000, "a\nb\n", {1, 2}, "xx")},
        {"sum overflowing 32 bits", RawArchive(20000, "a\nb\n", {INT32_MAX, INT32_MAX}, "xx")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TByteStream archive(c.archive);
        TSkinReader reader;
        EXPECT_THROW(reader.ReadArchive(archive), ESkinArchiveError);
        EXPECT_EQ(reader.EntryCount(), 0);
    }
}

TEST(SkinReader, AcceptsManyEntriesAndTrailingBytes) {
    std::vector<TSkinArchiveEntry> entries;
    for (int i = 0; i < 1500; ++i)
        entries.push_back({"e" + std::to_string(i) + ".bmp", Text(std::to_string(i))});
    Bytes archive = PackSkinArchive(entries);
    // A match that crossed the length leaves a few extra bytes behind the data.
    archive.insert(archive.end(), 40, 0x20);
    TByteStream blob(LzhCompress(archive));
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadArchive(blob));
    EXPECT_EQ(reader.EntryCount(), 1500);
    EXPECT_EQ(Entry(reader, "e1499.bmp"), "1499");
    EXPECT_EQ(Entry(reader, "e1000.bmp"), "1000");
}

} // namespace
} // namespace yq
