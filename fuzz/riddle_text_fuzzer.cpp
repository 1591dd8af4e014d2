// Texts from files the program does not control: list lines of the category
// and user riddle files (token helpers), riddle texts of the database (sort
// keys), category captions inside statements.  Checks the helpers' promises
// on any bytes.
#include "GbkSortKey.h"
#include "RiddleSort.h"
#include "RiddleStatement.h"
#include "Tokens.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // A normalised list: no leading or doubled separator, one at the end;
    // taking its tokens uses it up.
    std::string list = yq::NormalizeSeparators(text, ' ');
    Require(list.empty() ||
            (list.front() != ' ' && list.back() == ' ' && list.find("  ") == std::string::npos));
    for (int words = yq::CountChar(list, ' '); words > 0; --words)
        Require(!yq::TakeToken(list, ' ').empty());
    Require(list.empty() && yq::TakeToken(list, ' ').empty());

    std::string high = yq::KeepHighBytes(text);
    Require(high.size() <= text.size());
    for (char c : high)
        Require(static_cast<unsigned char>(c) >= 0x80);
    if (high.empty()) Require(!yq::HasMultiByteChar(high));
    yq::HasMultiByteChar(text);

    // Sort keys: never shorter than the text's characters, and a text's key
    // starts with the key of any whole-character prefix (ASCII split here).
    std::string key;
    yq::AppendGbkSortKey(key, text);
    if (size_t cut = text.find(' '); cut != std::string_view::npos) {
        std::string prefix;
        yq::AppendGbkSortKey(prefix, text.substr(0, cut));
        Require(key.compare(0, prefix.size(), prefix) == 0);
    }

    // Whatever sits between the quotes comes back as the pattern, unchanged.
    const std::string statement = "select * from 灯谜库 where 谜目 like \"%" + std::string(text) + "%\"";
    auto parsed = yq::ParseRiddleStatement(statement);
    Require(parsed && parsed->field == 1);
    if (!text.empty() && text.find_first_of(" \t\r\n") == std::string_view::npos)
        Require(parsed->pattern == "%" + std::string(text) + "%");
    yq::ParseRiddleStatement(text);
    yq::ParseSortText(text);
    return 0;
}
