#include "settings/SoundPlayer.h"

#include "data/Prompter.h"
#include "data/Utility.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace orvella {

namespace {

bool namesWaveFile(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.find(".wav") != std::string::npos;
}

} // namespace

std::string cannotLaunchPlayerText(const std::string& file) {
    return "Couldn't launch player for music sound file \"" + file +
           "\"  Are you sure you have a valid music file player installed?";
}

SoundPlayer::SoundPlayer(const OptionValues& options, std::string programFolder, AudioBackend& audio)
    : options_(options), folder_(std::move(programFolder)), audio_(audio) {
    audio_.setMediaFailureHandler([this](const std::string& path) { openExternally(path); });
}

SoundPlayer::~SoundPlayer() {
    audio_.setMediaFailureHandler(nullptr);
}

bool SoundPlayer::fileExists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void SoundPlayer::playAlarmSound(const std::string& file, bool play, bool loop) {
    if (options_.systemSound) {
        if (play)
            audio_.beep();
        return;
    }
    if (!play) {
        audio_.stopAll();
        const std::string blank = joinPath(folder_, "blank.mp3");
        // An outside player keeps playing until it is handed a silent file.
        if (externalStarted_ && fileExists(blank))
            audio_.openWithDefaultHandler(blank);
        return;
    }
    std::string chosen = isBlank(file) ? options_.alarmPath : file;
    if (isBlank(chosen))
        return;
    if (!fileExists(chosen)) {
        if (!fileExists(options_.alarmPath))
            return;
        chosen = options_.alarmPath;
    }
    if (namesWaveFile(chosen)) {
        audio_.playWave(chosen, loop);
        return;
    }
    if (!audio_.playMedia(chosen, loop))
        openExternally(chosen);
}

void SoundPlayer::openExternally(const std::string& file) {
    if (audio_.openWithDefaultHandler(file))
        externalStarted_ = true;
    else
        errorBox(cannotLaunchPlayerText(file));
}

void SoundPlayer::playChime(bool hour) {
    const std::string file = joinPath(folder_, hour ? "hour.wav" : "halfhour.wav");
    if (fileExists(file))
        audio_.playWave(file, false);
    else
        audio_.playBuiltIn(hour ? BuiltInSound::BigBen : BuiltInSound::Chimes);
}

} // namespace orvella
