#pragma once
// Every row of table 灯谜库 held in memory, in rowid order: the rows the
// store's results point into.  While the store holds the database file
// exclusively this copy stays true; the store's own updates go through
// SetText after they are committed.
#include "Sqlite.h"
#include "TextArena.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace yq {

// The three riddle fields, in this order: riddle text, target, answer.
inline constexpr std::array<std::string_view, 3> kRiddleFields = {"谜面", "谜目", "谜底"};
inline constexpr int kRiddleFieldCount = int(kRiddleFields.size());
// Index into kRiddleFields; -1 for any other name.
int RiddleFieldIndex(std::string_view name);

class TRiddleTable {
public:
    void Load(TSqliteDatabase& db);
    bool Loaded() const { return loaded_; }
    std::uint32_t Size() const { return std::uint32_t(texts_.size()); }

    std::int64_t RowId(std::uint32_t row) const { return dense_ ? std::int64_t(row) + 1 : rowIds_[row]; }
    std::string_view Text(std::uint32_t row, int field) const {
        return arena_.Get(texts_[row][size_t(field)]);
    }
    void SetText(std::uint32_t row, int field, std::string_view text);

    // Indices of the rows whose `field` matches the LIKE pattern, in the
    // engine's order.
    std::vector<std::uint32_t> Match(TSqliteDatabase& db, int field, std::string_view pattern) const;
    std::vector<std::uint32_t> All() const;

private:
    using TRowTexts = std::array<TTextArena::TRef, kRiddleFieldCount>;

    std::uint32_t IndexOf(std::int64_t rowId, std::uint32_t from) const;

    bool loaded_ = false;
    // Row i's texts; its rowid is i + 1 when the rowids run 1, 2, 3 ...
    // (dense_, the usual table), else rowIds_[i], ascending.
    std::vector<TRowTexts> texts_;
    std::vector<std::int64_t> rowIds_;
    bool dense_ = true;
    TTextArena arena_;
};

} // namespace yq
