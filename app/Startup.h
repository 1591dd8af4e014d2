#pragma once
// The program's start: title, installation check, the four windows in
// order, then the event loop until the main window closes.
#include <string>

namespace yq {

constexpr const wchar_t* kAppTitle = L"云樵";
constexpr const wchar_t* kInstallError = L"程序安装错误，请重新安装软件！";

bool FileExists(const std::wstring& path);

// Returns the process exit code.
int RunProgram();

} // namespace yq
