#include "core/failure.h"
#include "core/regular_file.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zilvaro;

namespace {
// The message of the failure that opening path raises; empty when it opens.
QString openFailure(const QString& path) {
    QFile file(path);
    try {
        openRegularFile(file, QStringLiteral("the record file"));
    } catch (const Failure& failure) {
        EXPECT_FALSE(file.isOpen());
        return failure.message();
    }
    EXPECT_TRUE(file.isOpen());
    return {};
}
} // namespace

TEST(RegularFile, ARegularFileOpensForReading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.dat"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("abc");
    out.close();
    QFile file(path);
    openRegularFile(file, QStringLiteral("the record file"));
    EXPECT_EQ(file.readAll(), QByteArray("abc"));
    EXPECT_EQ(file.size(), 3);
    EXPECT_FALSE(file.isWritable());
}

TEST(RegularFile, EverythingButARegularFileIsAFailureNamingThePathAndWhatItIs) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QLocalServer server;
    const QString socket = dir.filePath(QStringLiteral("socket"));
    ASSERT_TRUE(server.listen(socket));

    // A named pipe would block the open until a writer came: it fails at once instead.
    const QString cases[][2] = {
        {pipe, QStringLiteral("it is a named pipe, not a regular file")},
        {dir.path(), QStringLiteral("it is a folder, not a regular file")},
        {QStringLiteral("/dev/null"), QStringLiteral("it is a device, not a regular file")},
        {socket, QStringLiteral("it is a socket, not a regular file")},
        {dir.filePath(QStringLiteral("missing")), QStringLiteral("it does not exist")},
    };
    for (const auto& [path, cause] : cases) {
        EXPECT_EQ(openFailure(path), QStringLiteral("Cannot open the record file ") + path +
                                         QStringLiteral(": ") + cause);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
}

TEST(RegularFile, AFileWithoutReadPermissionSaysSo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("secret.bmp"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const QString expected = QStringLiteral("Cannot open the record file ") + path +
                             QStringLiteral(": permission denied");
    if (::geteuid() != 0) {
        EXPECT_EQ(openFailure(path), expected);
        return;
    }
    // Permissions do not bind the superuser: try as nobody, in a child process.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner |
                                                      QFileDevice::ExeOther));
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(channel[0]);
        QByteArray message = "could not become nobody";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
            QFile file(path);
            try {
                openRegularFile(file, QStringLiteral("the record file"));
                message = "opened";
            } catch (const Failure& failure) {
                message = failure.message().toUtf8();
            }
        }
        (void)!::write(channel[1], message.constData(), static_cast<size_t>(message.size()));
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray told;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        told.append(buffer, n);
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(QString::fromUtf8(told), expected);
}

TEST(RegularFile, ANameWithANulIsRefusedAndShownWhole) {
    QTemporaryDir dir;
    // Read up to the NUL, the name would open the folder.
    const QString path = dir.path() + QStringLiteral("/") + QChar(u'\0') + QStringLiteral(".bmp");
    const QString message = openFailure(path);
    EXPECT_TRUE(message.endsWith(QStringLiteral("\\x00.bmp: its name holds a NUL character")))
        << message.toStdString();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot open the record file ") + dir.path()));
}
