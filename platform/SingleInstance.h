#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace orvella {

// Only one copy of the program runs on one data folder. A starting copy holds a lock file
// while it builds its windows; a second copy waits for that lock (at most 10 s), then asks
// the running copy through a local socket to show itself, and ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start { Run, AnotherShown, TimedOut };

    // `key` names the instance; copies with the same key exclude each other.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    Start begin(int waitMs = 10000);
    // The windows exist: answer later copies, then let them go on.
    void ready();

    static QString keyForDataFolder(const QString& dataFolder);

signals:
    void showRequested();

private:
    QString name_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace orvella
