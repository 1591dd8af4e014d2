#include "RiddleSort.h"

#include "GbkSortKey.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace yq {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'a' && x <= 'z' ? x - 32 : x) == y;
           });
}

// A row's key head: its first eight key bytes as a number (most
// comparisons end there); `pos`, the row's place in the result, keeps equal
// keys in order.  Packed to 12 bytes: a million rows are sorted at once.
#pragma pack(push, 4)
struct TKeyedRow {
    std::uint64_t head;
    std::uint32_t pos;
};
#pragma pack(pop)
static_assert(sizeof(TKeyedRow) == 12);

constexpr size_t kHeadBytes = 8;

int ThreeWay(std::string_view a, std::string_view b) {
    int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0) return c < 0 ? -1 : 1;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

} // namespace

std::optional<TSortOrder> ParseSortText(std::string_view text) {
    auto words = [&] {
        std::vector<std::string_view> list;
        size_t i = 0;
        while (i < text.size()) {
            size_t start = text.find_first_not_of(" \t", i);
            if (start == std::string_view::npos) break;
            size_t end = std::min(text.find_first_of(" \t", start), text.size());
            list.push_back(text.substr(start, end - start));
            i = end;
        }
        return list;
    }();
    if (words.empty()) return TSortOrder{};
    if (words.size() > 2) return std::nullopt;
    TSortOrder order{RiddleFieldIndex(words[0]), false};
    if (order.field < 0) return std::nullopt;
    if (words.size() == 2) {
        if (EqualsNoCase(words[1], "DESC"))
            order.descending = true;
        else if (!EqualsNoCase(words[1], "ASC"))
            return std::nullopt;
    }
    return order;
}

void SortRows(std::vector<std::uint32_t>& rows, const TRiddleTable& table, TSortOrder order) {
    std::string key;
    std::vector<TKeyedRow> keyed;
    keyed.reserve(rows.size());
    for (std::uint32_t pos = 0; pos < rows.size(); ++pos) {
        key.clear();
        AppendGbkSortKey(key, table.Text(rows[pos], order.field));
        // Big-endian head, zero-padded: a shorter key sorts first.
        std::uint64_t head = 0;
        for (size_t i = 0; i < kHeadBytes; ++i)
            head = (head << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
        keyed.push_back({head, pos});
    }
    // Three-way comparison; past equal heads the whole keys are made again
    // (equal texts, such as the targets a table shares, need none), so no
    // key is kept.  Equal keys fall back to `pos`: no stable sort needed.
    std::string keyA, keyB;
    auto compare = [&](const TKeyedRow& a, const TKeyedRow& b) {
        if (a.head != b.head) return a.head < b.head ? -1 : 1;
        std::string_view ta = table.Text(rows[a.pos], order.field);
        std::string_view tb = table.Text(rows[b.pos], order.field);
        if (ta == tb) return 0;
        keyA.clear();
        keyB.clear();
        AppendGbkSortKey(keyA, ta);
        AppendGbkSortKey(keyB, tb);
        return ThreeWay(keyA, keyB);
    };
    const int direction = order.descending ? -1 : 1;
    std::sort(keyed.begin(), keyed.end(), [&](const TKeyedRow& a, const TKeyedRow& b) {
        int c = compare(a, b) * direction;
        return c != 0 ? c < 0 : a.pos < b.pos;
    });
    // In place, without a second list: each entry's place becomes its row.
    for (TKeyedRow& k : keyed)
        k.pos = rows[k.pos];
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = keyed[i].pos;
}

} // namespace yq
