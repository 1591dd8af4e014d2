#pragma once
// The text of 灯谜知识: an introduction to lantern riddles for newcomers, as
// a sequence of blocks that the window lays out.  Portable.
#include <string_view>
#include <vector>

namespace yq {

enum class TBlockKind {
    Heading,   // a section title
    Paragraph, // running text
    Item,      // `lead` in bold, then `text`, continuation lines indented
    Example,   // a riddle: `lead` 谜面, `text` 谜目, `answer` 谜底, `note` the explanation
};

struct TBlock {
    TBlockKind kind;
    std::wstring_view lead;
    std::wstring_view text;
    std::wstring_view answer;
    std::wstring_view note;
};

extern const wchar_t kKnowledgeTitle[];
extern const wchar_t kKnowledgeSubtitle[];
const std::vector<TBlock>& KnowledgeBlocks();

} // namespace yq
