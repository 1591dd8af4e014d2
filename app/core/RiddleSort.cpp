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

// A row's key: its first eight key bytes as a number (most comparisons end
// there, without touching the key text), then where the rest lies.
struct TKeyedRow {
    std::uint64_t head;
    std::uint32_t restAt;
    std::uint32_t size;
    std::uint32_t row;
};

constexpr size_t kHeadBytes = 8;

std::uint32_t RestSize(const TKeyedRow& k) {
    return k.size > kHeadBytes ? k.size - kHeadBytes : 0;
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
    std::string keys;
    std::string key;
    std::vector<TKeyedRow> keyed;
    keyed.reserve(rows.size());
    for (std::uint32_t row : rows) {
        key.clear();
        AppendGbkSortKey(key, table.Text(row, order.field));
        // Big-endian head, zero-padded: a shorter key sorts first.
        std::uint64_t head = 0;
        for (size_t i = 0; i < kHeadBytes; ++i)
            head = (head << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
        keyed.push_back({head, std::uint32_t(keys.size()), std::uint32_t(key.size()), row});
        if (key.size() > kHeadBytes) keys.append(key, kHeadBytes);
    }
    auto less = [&](const TKeyedRow& a, const TKeyedRow& b) {
        if (a.head != b.head) return a.head < b.head;
        int c =
            std::memcmp(keys.data() + a.restAt, keys.data() + b.restAt, std::min(RestSize(a), RestSize(b)));
        return c != 0 ? c < 0 : a.size < b.size;
    };
    if (order.descending)
        std::stable_sort(keyed.begin(), keyed.end(),
                         [&](const TKeyedRow& a, const TKeyedRow& b) { return less(b, a); });
    else
        std::stable_sort(keyed.begin(), keyed.end(), less);
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = keyed[i].row;
}

} // namespace yq
