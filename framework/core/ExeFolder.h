#pragma once
// The folder of the running executable, where the program finds what is
// installed beside it.
#include <string>

namespace yq {

// With a trailing backslash; any path length.
std::wstring ExeFolder();

} // namespace yq
