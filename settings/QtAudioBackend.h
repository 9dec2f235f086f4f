#pragma once

#include "settings/AudioBackend.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <vector>

class QAudioOutput;
class QMediaPlayer;
class QSoundEffect;

namespace orvella {

// The sound service over Qt Multimedia: wave files through QSoundEffect, other sound files
// through QMediaPlayer where the media back end decodes them, the default program for the
// rest. Without a sound device the effects stay silent.
class QtAudioBackend final : public QObject, public AudioBackend {
    Q_OBJECT

public:
    explicit QtAudioBackend(QObject* parent = nullptr);
    ~QtAudioBackend() override;

    void beep() override;
    void playWave(const std::string& path, bool loop) override;
    void playBuiltIn(BuiltInSound sound) override;
    bool playMedia(const std::string& path, bool loop) override;
    bool openWithDefaultHandler(const std::string& path) override;
    void stopAll() override;

    // Whether the media back end can decode files of this kind.
    static bool canDecode(const QString& path);

private:
    void playWaveUrl(const QString& file, bool loop);
    void dropFinishedEffects();

    std::vector<QSoundEffect*> effects_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    // The built-in waves, written once per run where QSoundEffect can read them.
    std::unique_ptr<QTemporaryDir> builtInDir_;
    std::map<BuiltInSound, QString> builtInFiles_;
};

} // namespace orvella
