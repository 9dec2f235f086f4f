#pragma once

#include "settings/AudioBackend.h"

#include <string>
#include <vector>

namespace orvella::test {

// Records what the sound player asks of the sound service, one line per call.
class FakeAudio : public AudioBackend {
public:
    void beep() override { calls.push_back("beep"); }
    void playWave(const std::string& path, bool loop) override {
        calls.push_back(std::string(loop ? "loop wave " : "wave ") + path);
    }
    void playBuiltIn(BuiltInSound sound) override {
        calls.push_back(sound == BuiltInSound::BigBen ? "built-in BIGBENWAV" : "built-in CHIMES");
    }
    bool playMedia(const std::string& path, bool loop) override {
        calls.push_back(std::string(loop ? "loop media " : "media ") + path);
        return mediaPlays;
    }
    bool openWithDefaultHandler(const std::string& path) override {
        calls.push_back("open " + path);
        return opens;
    }
    void stopAll() override { calls.push_back("stop"); }

    // As the real service does when a file it accepted fails while loading.
    void failMedia(const std::string& path) { reportMediaFailure(path); }

    std::vector<std::string> calls;
    bool mediaPlays = true;
    bool opens = true;
};

} // namespace orvella::test
