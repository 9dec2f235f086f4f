#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace orvella {

namespace {
const QByteArray kShowRequest = QByteArrayLiteral("show\n");
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), name_(key), lock_(QDir::temp().filePath(key + QStringLiteral(".lock"))) {
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyForDataFolder(const QString& dataFolder) {
    const QString who = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray hash = QCryptographicHash::hash(
        (who + QLatin1Char('|') + QDir(dataFolder).absolutePath()).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("SingInstProgMutex-") + QString::fromLatin1(hash.toHex().left(16));
}

SingleInstance::Start SingleInstance::begin(int waitMs) {
    if (!lock_.tryLock(waitMs))
        return Start::TimedOut;
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(1000))
        return Start::Run;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    lock_.unlock();
    return Start::AnotherShown;
}

void SingleInstance::ready() {
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        QLocalServer::removeServer(name_);
        server_->listen(name_);
        connect(server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* peer = server_->nextPendingConnection()) {
                auto read = [this, peer] {
                    if (peer->readAll().contains(kShowRequest.trimmed()))
                        emit showRequested();
                };
                connect(peer, &QLocalSocket::readyRead, this, read);
                if (peer->bytesAvailable() > 0)
                    read();
                connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            }
        });
    }
    lock_.unlock();
}

} // namespace orvella
