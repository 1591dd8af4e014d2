#pragma once
// The program's command line: yunqiao.exe [--unskinned].  --unskinned
// starts with the skin component inactive, every window in its platform
// frame (the start-up benchmark compares both); anything else on the
// command line is ignored, as without options.
#include <string>
#include <vector>

namespace yq {

struct TStartOptions {
    bool unskinned = false;
};

TStartOptions ParseStartOptions(const std::vector<std::wstring>& args);

// The process's arguments after the program's name.
std::vector<std::wstring> CommandLineArguments();

} // namespace yq
