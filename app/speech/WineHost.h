#pragma once
// The Linux host seen from a program under Wine: mapping between Windows
// and host paths, and starting a host program.  A program under Wine can
// start a host executable but cannot wait for it, so Start returns at once.
// Outside Wine every mapping answers "none".
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace yq::winehost {

bool UnderWine();
std::optional<std::string> UnixPath(const std::wstring& windowsPath);
std::optional<std::wstring> DosPath(const std::string& unixPath);
bool HostFileExists(const std::string& unixPath);

// One argument quoted for a command line as the C runtime splits it.
std::wstring QuoteArgument(const std::wstring& argument);

// Starts the host program with UTF-8 arguments; S_OK or the failure.
HRESULT Start(const std::string& program, const std::vector<std::string>& arguments);

} // namespace yq::winehost
