#include "core/regular_file.h"

#include "core/failure.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zilvaro {

namespace {

QString causeOf(int error) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("it does not exist");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case ENOTDIR:
        return QStringLiteral("a part of its path is not a folder");
    case ELOOP:
        return QStringLiteral("its path has too many symbolic links");
    case ENAMETOOLONG:
        return QStringLiteral("its name is too long");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Why a file that is no regular file cannot be opened as one.
QString kindOf(mode_t mode) {
    return QStringLiteral("it is %1, not a regular file").arg(fileKindOf(mode));
}

} // namespace

QString cannotOpenMessage(const QString& what, const QString& path, const QString& cause) {
    return QStringLiteral("Cannot open %1 %2: %3").arg(what, QDir::toNativeSeparators(path), cause);
}

void openRegularFile(QFile& file, const QString& what) {
    const QString path = file.fileName();
    auto fail = [&](const QString& cause) { throw Failure(cannotOpenMessage(what, path, cause)); };
    if (path.isEmpty()) {
        fail(QStringLiteral("it has no name"));
    }
    if (path.contains(QChar(u'\0'))) {
        // The system would read the name only up to the NUL, and open another file.
        fail(QStringLiteral("its name holds a NUL character"));
    }
    const QByteArray name = QFile::encodeName(path);
    // Without O_NONBLOCK the open of a named pipe would wait for a writer forever.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat status {};
        if (error == ENXIO && ::stat(name.constData(), &status) == 0) {
            fail(kindOf(status.st_mode)); // a socket
        }
        fail(causeOf(error));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        fail(causeOf(error));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        fail(kindOf(status.st_mode));
    }
    // A regular file never blocks; reads go on as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fail(file.errorString());
    }
}

QString fileKindOf(mode_t mode) {
    if (S_ISLNK(mode)) {
        return QStringLiteral("a symbolic link");
    }
    if (S_ISDIR(mode)) {
        return QStringLiteral("a folder");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("a named pipe");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("a device");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("a socket");
    }
    return QStringLiteral("a regular file");
}

} // namespace zilvaro
