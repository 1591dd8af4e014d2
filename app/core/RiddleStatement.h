#pragma once
// The statements the riddle store answers: the whole table, or the rows
// whose riddle text, target or answer contains a text:
//   select * from 灯谜库
//   select * from 灯谜库 where 谜目 like "%text%"     (谜面, 谜底 alike)
// The text between the quotes is taken as it stands (quotes included) and
// run as a bound LIKE pattern, so it can never change the statement.
#include <optional>
#include <string>
#include <string_view>

namespace yq {

struct TRiddleStatement {
    int field = -1;      // index into kRiddleFields; -1 for the whole table
    std::string pattern; // the LIKE pattern, "%text%"
};

// Surrounding white space is ignored; anything else unknown gives nullopt.
std::optional<TRiddleStatement> ParseRiddleStatement(std::string_view sql);

} // namespace yq
