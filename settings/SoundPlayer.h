#pragma once

#include "settings/AudioBackend.h"
#include "settings/OptionValues.h"

#include <string>

namespace orvella {

// The sound player that alarms, chimes and the test buttons share. It follows the live
// alarm-sound options (system sound, the alarm sound file) of the options dialog.
class SoundPlayer {
public:
    SoundPlayer(const OptionValues& options, std::string programFolder, AudioBackend& audio);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays `file` (looped when asked) or, with `play` false, stops every sound. A blank or
    // missing file falls back to the alarm sound file; names with ".wav" play as wave files;
    // other files play in-process where possible, else in the system's default program.
    void playAlarmSound(const std::string& file, bool play, bool loop);

    // The hour or half-hour chime, once: "hour.wav" or "halfhour.wav" from the program
    // folder, else the built-in wave.
    void playChime(bool hour);

    // Whether a sound file was handed to an outside program during this run.
    bool externalPlayerStarted() const { return externalStarted_; }

private:
    void openExternally(const std::string& file);
    bool fileExists(const std::string& path) const;

    const OptionValues& options_;
    std::string folder_;
    AudioBackend& audio_;
    bool externalStarted_ = false;
};

// The message shown when no program opens a music file.
std::string cannotLaunchPlayerText(const std::string& file);

} // namespace orvella
