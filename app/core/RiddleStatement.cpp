#include "RiddleStatement.h"

#include "RiddleTable.h"

namespace yq {

namespace {
constexpr std::string_view kWholeTable = "select * from 灯谜库";
constexpr std::string_view kWhere = " where ";
constexpr std::string_view kLikeOpen = " like \"%";
constexpr std::string_view kLikeClose = "%\"";

std::string_view Trim(std::string_view s) {
    constexpr std::string_view space = " \t\r\n";
    size_t first = s.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

bool TakePrefix(std::string_view& s, std::string_view prefix) {
    if (!s.starts_with(prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}
} // namespace

std::optional<TRiddleStatement> ParseRiddleStatement(std::string_view sql) {
    std::string_view s = Trim(sql);
    if (!TakePrefix(s, kWholeTable)) return std::nullopt;
    if (s.empty()) return TRiddleStatement{};
    if (!TakePrefix(s, kWhere)) return std::nullopt;
    for (int field = 0; field < kRiddleFieldCount; ++field) {
        std::string_view rest = s;
        if (!TakePrefix(rest, kRiddleFields[size_t(field)]) || !TakePrefix(rest, kLikeOpen) ||
            !rest.ends_with(kLikeClose))
            continue;
        rest.remove_suffix(kLikeClose.size());
        return TRiddleStatement{field, "%" + std::string(rest) + "%"};
    }
    return std::nullopt;
}

} // namespace yq
