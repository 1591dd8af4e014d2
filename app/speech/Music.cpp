#include "Music.h"

#include <windows.h>

#include <mmsystem.h>

namespace yq {

void SendMediaCommand(const char* command) {
    mciSendStringA(command, nullptr, 0, nullptr);
}

} // namespace yq
