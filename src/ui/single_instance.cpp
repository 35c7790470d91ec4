#include "ui/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QWidget>

namespace zilvaro {

namespace {
const QByteArray Request = "activate\n";
const QByteArray Answer = "ok\n";
} // namespace

SingleInstance::SingleInstance(const QString& folder) : folder_(folder) {
    takeLock();
    if (outcome_ == Outcome::First) {
        listen();
    }
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() const {
    return QDir(folder_).filePath(QStringLiteral("zilvaro.lock"));
}

QString SingleInstance::socketPath() const {
    return QDir(folder_).filePath(QStringLiteral("zilvaro.socket"));
}

void SingleInstance::takeLock() {
    lock_ = std::make_unique<QLockFile>(lockPath());
    // A lock is never stale because of its age, only because its process is gone.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        outcome_ = Outcome::First;
        return;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        outcome_ = Outcome::Unchecked;
        problem_ = QStringLiteral("cannot make the lock file %1 in %2 (%3)")
                       .arg(QStringLiteral("zilvaro.lock"), QDir::toNativeSeparators(folder_),
                            lock_->error() == QLockFile::PermissionError
                                ? QStringLiteral("permission denied")
                                : QStringLiteral("the folder is missing, read-only or full"));
        return;
    }
    // Held, by the lock's own test: its process runs. Unless it cannot be read as a lock or
    // names another host; then it is stale as well. The lock is written right after it is
    // made, so one that cannot be read yet may be another instance starting: look again
    // for a moment before taking it over. A live holder keeps a system lock on the file,
    // so removing it fails while that holder runs.
    const QDeadlineTimer patience(500);
    for (;;) {
        qint64 pid = 0;
        QString host;
        QString application;
        const bool readable = lock_->getLockInfo(&pid, &host, &application);
        const bool otherHost = readable && !host.isEmpty() && host != QSysInfo::machineHostName();
        if (readable && !otherHost) {
            outcome_ = Outcome::Second;
            return;
        }
        if (lock_->removeStaleLockFile() && lock_->tryLock(0)) {
            outcome_ = Outcome::First;
            return;
        }
        if (patience.hasExpired()) {
            break;
        }
        QThread::msleep(50);
    }
    outcome_ = Outcome::Unchecked;
    problem_ = QStringLiteral("the lock file %1 in %2 can be neither read nor replaced")
                   .arg(QStringLiteral("zilvaro.lock"), QDir::toNativeSeparators(folder_));
}

void SingleInstance::listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath())) {
        // We hold the lock, so a socket there is a stale one of an instance that is gone.
        QLocalServer::removeServer(socketPath());
        if (!server_->listen(socketPath())) {
            server_.reset(); // no activation; the instance test still holds
            return;
        }
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
                if (!client->canReadLine()) {
                    if (client->bytesAvailable() > Request.size()) {
                        client->abort();
                    }
                    return;
                }
                const bool asked = client->readLine(Request.size() + 1) == Request;
                if (asked) {
                    if (handler_) {
                        handler_();
                    }
                    client->write(Answer);
                    client->flush();
                }
                client->disconnectFromServer();
            });
        }
    });
}

void SingleInstance::onActivationRequest(std::function<void()> handler) {
    handler_ = std::move(handler);
}

bool SingleInstance::serving() const {
    return server_ && server_->isListening();
}

bool SingleInstance::requestActivation(int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The first instance listens right after it takes the lock; a start at that very
    // moment may knock before it does.
    for (;;) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    socket.write(Request);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
    }
    return socket.readLine(Answer.size() + 1) == Answer;
}

QString SingleInstance::defaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    QDir().mkpath(folder);
    return folder;
}

void bringWindowForward(QWidget& window) {
    if (!window.isVisible()) {
        return; // not shown yet: it comes up by itself
    }
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace zilvaro
