#pragma once
// TMusicPlayer: the background music through the platform's media control
// strings.  The file is named without a path, so it is found in the working
// directory.  Results are ignored: without a MIDI device or without the
// file nothing plays and nothing is reported.
#include <functional>

namespace yq {

// Sends one media control string, no return buffer, no notification window.
void SendMediaCommand(const char* command);

class TMusicPlayer {
public:
    // Replaceable for tests.
    std::function<void(const char* command)> Send = SendMediaCommand;

    void Play() { Send("play music.mid"); }
    void Close() { Send("Close music.mid"); }
};

} // namespace yq
