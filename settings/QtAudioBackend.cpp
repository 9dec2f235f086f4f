#include "settings/QtAudioBackend.h"

#include "platform/QtText.h"
#include "settings/ChimeSynth.h"

#include <QApplication>
#include <QAudioOutput>
#include <QDesktopServices>
#include <QFile>
#include <QMediaFormat>
#include <QMediaPlayer>
#include <QMimeDatabase>
#include <QSoundEffect>
#include <QUrl>

namespace orvella {

QtAudioBackend::QtAudioBackend(QObject* parent) : QObject(parent) {}

QtAudioBackend::~QtAudioBackend() {
    stopAll();
}

void QtAudioBackend::beep() {
    QApplication::beep();
}

void QtAudioBackend::dropFinishedEffects() {
    std::erase_if(effects_, [](QSoundEffect* e) {
        if (e->isPlaying() || e->status() == QSoundEffect::Loading)
            return false;
        e->deleteLater();
        return true;
    });
}

void QtAudioBackend::playWaveUrl(const QString& file, bool loop) {
    dropFinishedEffects();
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(file));
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect->play();
    effects_.push_back(effect);
}

void QtAudioBackend::playWave(const std::string& path, bool loop) {
    playWaveUrl(toQt(path), loop);
}

void QtAudioBackend::playBuiltIn(BuiltInSound sound) {
    auto found = builtInFiles_.find(sound);
    if (found == builtInFiles_.end()) {
        if (!builtInDir_)
            builtInDir_ = std::make_unique<QTemporaryDir>();
        const QString name =
            sound == BuiltInSound::BigBen ? QStringLiteral("BIGBENWAV.wav") : QStringLiteral("CHIMES.wav");
        const QString file = builtInDir_->filePath(name);
        QFile out(file);
        const std::string wave = synthesiseChime(sound);
        if (!builtInDir_->isValid() || !out.open(QIODevice::WriteOnly) ||
            out.write(wave.data(), static_cast<qint64>(wave.size())) != static_cast<qint64>(wave.size()))
            return; // no place to keep it: the chime stays silent
        out.close();
        found = builtInFiles_.emplace(sound, file).first;
    }
    playWaveUrl(found->second, false);
}

bool QtAudioBackend::canDecode(const QString& path) {
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    QMediaFormat any;
    for (const QMediaFormat::FileFormat format : any.supportedFileFormats(QMediaFormat::Decode)) {
        const QMimeType decodable = QMediaFormat(format).mimeType();
        if (decodable.isValid() && mime.inherits(decodable.name()))
            return true;
    }
    return false;
}

bool QtAudioBackend::playMedia(const std::string& path, bool loop) {
    const QString file = toQt(path);
    if (!canDecode(file))
        return false;
    if (!player_) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
        connect(player_, &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error error, const QString&) {
                    if (error == QMediaPlayer::NoError)
                        return;
                    const std::string failed = fromQt(player_->source().toLocalFile());
                    player_->stop();
                    reportMediaFailure(failed);
                });
    }
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(file));
    player_->setLoops(loop ? QMediaPlayer::Infinite : 1);
    player_->play();
    return true;
}

bool QtAudioBackend::openWithDefaultHandler(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQt(path)));
}

void QtAudioBackend::stopAll() {
    for (QSoundEffect* e : effects_) {
        e->stop();
        e->deleteLater();
    }
    effects_.clear();
    if (player_)
        player_->stop();
}

} // namespace orvella
