#include "RiddleTable.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_map>

namespace yq {

namespace {
constexpr int kTargetField = 1;
constexpr std::int64_t kMaxReserve = std::int64_t(1) << 26;
} // namespace

int RiddleFieldIndex(std::string_view name) {
    for (int i = 0; i < kRiddleFieldCount; ++i)
        if (kRiddleFields[size_t(i)] == name) return i;
    return -1;
}

void TRiddleTable::Load(TSqliteDatabase& db) {
    texts_.clear();
    rowIds_.clear();
    arena_.Clear();
    loaded_ = false;
    {
        // Room for as many rows as the highest rowid allows, so the lists
        // are never copied as they grow; pages never written cost nothing.
        TSqliteStatement last(db.Handle(), R"(SELECT max(rowid) FROM "灯谜库")");
        if (last.Step()) {
            size_t room = size_t(std::clamp<std::int64_t>(last.ColumnInt(0), 0, kMaxReserve));
            texts_.reserve(room);
            rowIds_.reserve(room);
        }
    }
    // Targets repeat a few hundred forms: one copy of each.  Collections
    // keep a category together, so the previous row's is tried first.
    std::unordered_map<std::string_view, TTextArena::TRef> targets;
    TTextArena::TRef lastTarget;
    TSqliteStatement select(db.Handle(),
                            R"(SELECT rowid, "谜面", "谜目", "谜底" FROM "灯谜库" ORDER BY rowid)");
    while (select.Step()) {
        rowIds_.push_back(select.ColumnInt(0));
        TRowTexts& row = texts_.emplace_back();
        for (int f = 0; f < kRiddleFieldCount; ++f) {
            std::string_view text = select.ColumnText(f + 1);
            if (f != kTargetField) {
                row[size_t(f)] = arena_.Add(text);
                continue;
            }
            if (text != arena_.Get(lastTarget)) {
                auto known = targets.find(text);
                if (known == targets.end()) {
                    TTextArena::TRef ref = arena_.Add(text);
                    known = targets.emplace(arena_.Get(ref), ref).first; // the key lives in the arena
                }
                lastTarget = known->second;
            }
            row[size_t(f)] = lastTarget;
        }
    }
    // The usual table numbers its rows 1, 2, 3 ...: then the list is not kept.
    dense_ = true;
    for (size_t i = 0; i < rowIds_.size() && dense_; ++i)
        dense_ = rowIds_[i] == std::int64_t(i) + 1;
    if (dense_) std::vector<std::int64_t>().swap(rowIds_);
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
    std::vector<std::uint32_t> rows(texts_.size());
    std::iota(rows.begin(), rows.end(), 0u);
    return rows;
}

// Rows mostly come in rowid order: gallop forward from the previous one,
// so a match a few rows on costs a few steps.
std::uint32_t TRiddleTable::IndexOf(std::int64_t rowId, std::uint32_t from) const {
    const size_t size = texts_.size();
    if (dense_) {
        if (rowId < 1 || rowId > std::int64_t(size))
            throw EDatabaseError("The riddle table changed while it was open");
        return std::uint32_t(rowId - 1);
    }
    if (from > size || (from > 0 && rowIds_[from - 1] >= rowId)) from = 0;
    size_t low = from, step = 1;
    while (low + step < size && rowIds_[low + step] < rowId) {
        low += step;
        step *= 2;
    }
    auto it = std::lower_bound(rowIds_.begin() + std::ptrdiff_t(low),
                               rowIds_.begin() + std::ptrdiff_t(std::min(size, low + step + 1)), rowId);
    if (it == rowIds_.end() || *it != rowId)
        throw EDatabaseError("The riddle table changed while it was open");
    return std::uint32_t(it - rowIds_.begin());
}

} // namespace yq
