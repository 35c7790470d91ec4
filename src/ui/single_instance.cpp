#include "ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace zilvaro {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)) {
    // A lock is never stale because of its age, only because its process is gone.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("zilvaro.lock"));
}

} // namespace zilvaro
