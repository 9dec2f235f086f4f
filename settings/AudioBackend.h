#pragma once

#include <functional>
#include <string>
#include <utility>

namespace orvella {

// The program's built-in waves: "BIGBENWAV" for the hour, "CHIMES" for the half hour.
enum class BuiltInSound { BigBen, Chimes };

// What the sound player needs from the platform's sound service. The program uses Qt
// Multimedia; tests use a recorder, so no sound device is needed.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // The system's information sound.
    virtual void beep() = 0;
    // Plays a wave file asynchronously, repeating it until stopped when `loop` is set.
    virtual void playWave(const std::string& path, bool loop) = 0;
    // Plays a built-in wave once, asynchronously.
    virtual void playBuiltIn(BuiltInSound sound) = 0;
    // Plays another sound file in-process, so that stopping stops it; false when the media
    // service cannot play that kind of file.
    virtual bool playMedia(const std::string& path, bool loop) = 0;
    // Opens a file with the system's default program for it; false when that fails.
    virtual bool openWithDefaultHandler(const std::string& path) = 0;
    // Stops every sound this process plays.
    virtual void stopAll() = 0;

    // Called when a file that playMedia accepted turns out unplayable while loading.
    void setMediaFailureHandler(std::function<void(const std::string& path)> handler) {
        mediaFailed_ = std::move(handler);
    }

protected:
    void reportMediaFailure(const std::string& path) const {
        if (mediaFailed_)
            mediaFailed_(path);
    }

private:
    std::function<void(const std::string&)> mediaFailed_;
};

} // namespace orvella
