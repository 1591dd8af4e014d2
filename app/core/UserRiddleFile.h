#pragma once
// dm.txt, the user's own riddle list: GBK text, one riddle per line.  Texts
// here are UTF-8.  Reading accepts CR LF, lone CR and lone LF; what is
// handed out, and written, has CR LF only where the text has it (the
// editor keeps CR LF).  No <windows.h> here.
//
// Failures throw std::runtime_error reading like the platform's file
// errors: `Cannot open file "<path>". <reason>` when the file cannot be
// read, `Cannot create file "<path>". <reason>` when it cannot be written.
#include "SafeFile.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace yq {

// The whole file decoded from GBK (bytes that are not GBK survive a load
// and save unchanged, Gbk.h), its line breaks made CR LF.
std::string LoadUserRiddleFile(const std::filesystem::path& path);
// Creates the file or replaces its contents with the text in GBK, byte for
// byte as given: no line break is added or changed.  Never half-written: a
// failure leaves the old file (SafeFile.h); `onStep` as there.
void SaveUserRiddleFile(const std::filesystem::path& path, std::string_view text,
                        const std::function<void(TSaveStep)>& onStep = {});

// CR LF, lone CR and lone LF all become CR LF.
std::string NormalizeLineBreaks(std::string_view text);

// Logical lines, each break (CR LF, CR, LF) ending one; an empty last line
// (the text ends in a break, or is empty) is not counted.
int UserRiddleLineCount(std::string_view text);
// Line `index`, 0-based, without its break; "" past either end.
std::string UserRiddleLine(std::string_view text, int index);

} // namespace yq
