#include "RiddleTable.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace yq {

int RiddleFieldIndex(std::string_view name) {
    for (int i = 0; i < kRiddleFieldCount; ++i)
        if (kRiddleFields[size_t(i)] == name) return i;
    return -1;
}

void TRiddleTable::Load(TSqliteDatabase& db) {
    rowIds_.clear();
    texts_.clear();
    arena_.Clear();
    loaded_ = false;
    TSqliteStatement select(db.Handle(),
                            R"(SELECT rowid, "谜面", "谜目", "谜底" FROM "灯谜库" ORDER BY rowid)");
    while (select.Step()) {
        rowIds_.push_back(select.ColumnInt(0));
        auto& texts = texts_.emplace_back();
        for (int f = 0; f < kRiddleFieldCount; ++f)
            texts[size_t(f)] = arena_.Add(select.ColumnText(f + 1));
    }
    loaded_ = true;
}

void TRiddleTable::SetText(std::uint32_t row, int field, std::string_view text) {
    texts_[row][size_t(field)] = arena_.Add(text);
}

std::vector<std::uint32_t> TRiddleTable::Match(TSqliteDatabase& db, int field,
                                               std::string_view pattern) const {
    std::string sql =
        R"(SELECT rowid FROM "灯谜库" WHERE ")" + std::string(kRiddleFields[size_t(field)]) + R"(" LIKE ?1)";
    TSqliteStatement select(db.Handle(), sql);
    select.Bind(1, pattern);
    std::vector<std::uint32_t> rows;
    std::uint32_t next = 0;
    while (select.Step()) {
        std::uint32_t row = IndexOf(select.ColumnInt(0), next);
        rows.push_back(row);
        next = row + 1;
    }
    return rows;
}

std::vector<std::uint32_t> TRiddleTable::All() const {
    std::vector<std::uint32_t> rows(rowIds_.size());
    std::iota(rows.begin(), rows.end(), 0u);
    return rows;
}

// Rows mostly come in rowid order: look after the previous one first.
std::uint32_t TRiddleTable::IndexOf(std::int64_t rowId, std::uint32_t from) const {
    auto begin = rowIds_.begin();
    if (from < rowIds_.size() && rowIds_[from] == rowId) return from;
    if (from > rowIds_.size() || (from > 0 && rowIds_[from - 1] >= rowId)) from = 0;
    auto it = std::lower_bound(begin + from, rowIds_.end(), rowId);
    if (it == rowIds_.end() || *it != rowId)
        throw EDatabaseError("The riddle table changed while it was open");
    return std::uint32_t(it - begin);
}

} // namespace yq
