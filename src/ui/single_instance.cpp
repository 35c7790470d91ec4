#include "ui/single_instance.h"

#include "core/regular_file.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QWidget>

#include <cerrno>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zilvaro {

namespace {
const QByteArray Request = "activate\n";
const QByteArray Answer = "ok\n";
// A lock holds a process number, a program name and a host name: a few dozen bytes.
constexpr qint64 MaxLockBytes = 4096;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Makes folder (its parent must exist) as this user's alone, or finds it so; the problem
// when it is not, naming it.
QString makePrivateFolder(const QString& folder) {
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
        return QStringLiteral("%1 cannot be made").arg(shown(folder));
    }
    const QString problem = privateFolderProblem(folder);
    return problem.isEmpty() ? QString() : shown(folder) + QStringLiteral(": ") + problem;
}

// Clears whatever lies at path unless `keep` accepts what it is (its lstat). The
// problem when it stays, naming it; empty when the path is free or kept.
QString clearUnless(const QString& path, const std::function<bool(const struct stat&)>& keep) {
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(name.constData(), &entry) != 0 || keep(entry)) {
        return {};
    }
    const int cleared =
        S_ISDIR(entry.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData());
    if (cleared != 0) {
        return QStringLiteral("%1 is %2, which cannot be replaced")
            .arg(shown(path), fileKindOf(entry.st_mode));
    }
    return {};
}
} // namespace

QString privateFolderProblem(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) {
        return QStringLiteral("it does not exist");
    }
    if (!S_ISDIR(entry.st_mode)) {
        return QStringLiteral("it is %1, not a folder").arg(fileKindOf(entry.st_mode));
    }
    if (entry.st_uid != ::geteuid()) {
        return QStringLiteral("it belongs to another user");
    }
    if ((entry.st_mode & 07777) != 0700) {
        return QStringLiteral("its mode is %1, not 0700")
            .arg(entry.st_mode & 07777, 4, 8, QChar(u'0'));
    }
    return {};
}

RuntimeFolder chooseRuntimeFolder() {
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString why;
    if (session.isEmpty()) {
        why = QStringLiteral("XDG_RUNTIME_DIR is not set");
    } else {
        const QString problem = privateFolderProblem(session);
        if (problem.isEmpty()) {
            return {session, {}};
        }
        why = QStringLiteral("the runtime folder %1 (XDG_RUNTIME_DIR) cannot be trusted: %2")
                  .arg(shown(session), problem);
    }
    // The cache folder lies in the user's home, which no one else can write; a folder of
    // each host's own, since a home may be shared between machines.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString ours = QDir(cache).filePath(QStringLiteral("zilvaro"));
    const QString own =
        QDir(ours).filePath(QSysInfo::machineHostName().isEmpty() ? QStringLiteral("runtime")
                                                                  : QSysInfo::machineHostName());
    QString problem;
    if (cache.isEmpty() || !QDir().mkpath(cache)) {
        problem = QStringLiteral("the cache folder %1 cannot be made").arg(shown(cache));
    } else {
        problem = makePrivateFolder(ours);
        if (problem.isEmpty()) {
            problem = makePrivateFolder(own);
        }
    }
    if (!problem.isEmpty()) {
        return {{},
                QStringLiteral("%1, and no private folder of its own could be had (%2)")
                    .arg(why, problem)};
    }
    return {
        own,
        QStringLiteral("%1; keeping the lock and the socket in %2 instead").arg(why, shown(own))};
}

SingleInstance::SingleInstance(const QString& folder) : folder_(folder) {
    if (folder_.isEmpty()) {
        problem_ = QStringLiteral("no runtime folder for the lock file");
        return;
    }
    takeLock();
    if (outcome_ == Outcome::First) {
        listen();
    }
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() const {
    return QDir(folder_).filePath(QStringLiteral("zilvaro.lock"));
}

int SingleInstance::maxSocketPathBytes() {
    return static_cast<int>(sizeof(sockaddr_un::sun_path)) - 1;
}

QString SingleInstance::socketPath() const {
    const QString path = QDir(folder_).filePath(QStringLiteral("zilvaro.socket"));
    if (QFile::encodeName(path).size() <= maxSocketPathBytes()) {
        return path;
    }
    // A private folder of our own in /tmp, whose name is as short as a user's can be.
    return QStringLiteral("/tmp/zilvaro-%1/zilvaro.socket").arg(::geteuid());
}

void SingleInstance::takeLock() {
    // The lock is read only when it is a regular file of a lock's size: a named pipe
    // would block the read for ever, a link to a device feed it for ever.
    const QString blocked = clearUnless(lockPath(), [](const struct stat& entry) {
        return S_ISREG(entry.st_mode) && entry.st_size <= MaxLockBytes;
    });
    if (!blocked.isEmpty()) {
        outcome_ = Outcome::Unchecked;
        problem_ = QStringLiteral("the lock file %1").arg(blocked);
        return;
    }
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
    const QString path = socketPath();
    QString blocked;
    if (!path.startsWith(folder_ + u'/')) {
        blocked = makePrivateFolder(QFileInfo(path).path());
    }
    if (blocked.isEmpty()) {
        // We hold the lock: whatever lies at the socket's path is a leftover.
        blocked = clearUnless(path, [](const struct stat&) { return false; });
    }
    if (!blocked.isEmpty()) {
        problem_ = QStringLiteral("the socket %1; a second start cannot bring this window "
                                  "forward")
                       .arg(blocked);
        return;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath())) {
        // We hold the lock, so a socket there is a stale one of an instance that is gone.
        QLocalServer::removeServer(socketPath());
        if (!server_->listen(socketPath())) {
            problem_ = QStringLiteral("cannot listen at the socket %1 (%2); a second start "
                                      "cannot bring this window forward")
                           .arg(shown(socketPath()), server_->errorString());
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
    // Only a socket is knocked at, never through a link.
    struct stat entry {};
    const QByteArray name = QFile::encodeName(socketPath());
    if (::lstat(name.constData(), &entry) == 0 && !S_ISSOCK(entry.st_mode)) {
        return false;
    }
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
