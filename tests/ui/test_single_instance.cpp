#include "record_builder.h"
#include "ui/application.h"
#include "ui/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Asks the instance holding folder's lock from another thread, as a second process would,
// while this thread's event loop lets the first instance answer.
bool requestFromElsewhere(const QString& folder, bool* answered) {
    auto request = std::async(std::launch::async, [folder] {
        SingleInstance second(folder);
        return second.outcome() == SingleInstance::Outcome::Second &&
               second.requestActivation(5000);
    });
    while (request.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
        QTest::qWait(10);
    }
    *answered = request.get();
    return *answered;
}

// A socket file left behind by a process that is gone: bound, never unlinked.
void leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(static_cast<size_t>(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    QLocalSocket probe;
    probe.connectToServer(path);
    ASSERT_FALSE(probe.waitForConnected(500)); // nobody listens
}

} // namespace

TEST(SingleInstance, TheFirstHoldsTheLockAndTheSecondFindsIt) {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    EXPECT_EQ(first.outcome(), SingleInstance::Outcome::First);
    EXPECT_TRUE(first.acquired());
    EXPECT_TRUE(first.serving());
    EXPECT_EQ(first.lockPath(), folder.filePath(QStringLiteral("zilvaro.lock")));
    EXPECT_EQ(first.socketPath(), folder.filePath(QStringLiteral("zilvaro.socket")));
    SingleInstance second(folder.path());
    EXPECT_EQ(second.outcome(), SingleInstance::Outcome::Second);
    EXPECT_FALSE(second.acquired());
    EXPECT_FALSE(second.serving());
}

TEST(SingleInstance, TheActivationRequestReachesTheFirstAndRestoresItsWindow) {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    int requests = 0;
    first.onActivationRequest([&] {
        ++requests;
        bringWindowForward(window);
    });
    bool answered = false;
    requestFromElsewhere(folder.path(), &answered);
    EXPECT_TRUE(answered);
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    QTRY_VERIFY(window.isActiveWindow());
}

TEST(SingleInstance, AWindowNotShownYetIsLeftToComeUpByItself) {
    QWidget window;
    bringWindowForward(window);
    EXPECT_FALSE(window.isVisible());
}

TEST(SingleInstance, NobodyListeningMeansNoAnswerWithinTheTime) {
    QTemporaryDir folder;
    SingleInstance lone(folder.path());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(lone.requestActivation(300)); // its own server is not served here
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST(SingleInstance, BrokenLocksAreStaleAndTakenOver) {
    const QByteArray otherHost = QByteArray::number(QCoreApplication::applicationPid()) +
                                 "\nzilvaro\nnot-" + QSysInfo::machineHostName().toUtf8() + "\n";
    const QByteArray locks[] = {"", "garbage", "\n\n\n", "12x\nzilvaro\n", otherHost};
    for (const QByteArray& content : locks) {
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("zilvaro.lock")), content);
        SingleInstance instance(folder.path());
        EXPECT_EQ(instance.outcome(), SingleInstance::Outcome::First) << content.toStdString();
        QFile lock(instance.lockPath());
        ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
        EXPECT_EQ(lock.readLine().trimmed(),
                  QByteArray::number(QCoreApplication::applicationPid()));
    }
}

TEST(SingleInstance, ALockThatCanBeNeitherMadeNorReplacedLetsTheProgramRunAndNamesTheFolder) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("zilvaro.lock")));
    SingleInstance instance(folder.path());
    EXPECT_EQ(instance.outcome(), SingleInstance::Outcome::Unchecked);
    EXPECT_TRUE(instance.problem().contains(folder.path())) << instance.problem().toStdString();
    EXPECT_FALSE(instance.serving());

    // A runtime folder that cannot be made (its parent is a file).
    QTemporaryDir other;
    writeFile(other.filePath(QStringLiteral("file")), "x");
    const QString missing = other.filePath(QStringLiteral("file/runtime"));
    SingleInstance nowhere(missing);
    EXPECT_EQ(nowhere.outcome(), SingleInstance::Outcome::Unchecked);
    EXPECT_TRUE(nowhere.problem().contains(missing)) << nowhere.problem().toStdString();
}

TEST(SingleInstance, AStaleSocketIsTakenOverWithTheLock) {
    QTemporaryDir folder;
    leaveStaleSocket(folder.filePath(QStringLiteral("zilvaro.socket")));
    SingleInstance first(folder.path());
    ASSERT_EQ(first.outcome(), SingleInstance::Outcome::First);
    EXPECT_TRUE(first.serving());
    int requests = 0;
    first.onActivationRequest([&] { ++requests; });
    bool answered = false;
    requestFromElsewhere(folder.path(), &answered);
    EXPECT_TRUE(answered);
    EXPECT_EQ(requests, 1);
}

// ---- The real program ----

namespace {

// The program, copied into a program folder of its own with a small record file, run on
// the offscreen platform with a runtime folder and a temporary folder of its own.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeRecords(recordsFor(gb2312Characters(3)));
        program = folder.path() + QStringLiteral("/zilvaro");
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZILVARO_PROGRAM_DIR "/zilvaro"), program));
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("TMPDIR"), temporary.path());
    }
    void TearDown() override {
        for (QProcess* process : started) {
            process->kill();
            process->waitForFinished();
            delete process;
        }
    }
    QProcess* start() {
        auto* process = new QProcess;
        started.push_back(process);
        process->setProcessEnvironment(env);
        process->start(program, {});
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }
    // Waits until the process has written text to its error output; true when it did.
    static bool waitForError(QProcess* process, const QString& text, QString* all, int ms = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            process->waitForReadyRead(100);
            *all += QString::fromLocal8Bit(process->readAllStandardError());
            if (all->contains(text)) {
                return true;
            }
        }
        return false;
    }
    QString lockPath() const { return runtime.filePath(QStringLiteral("zilvaro.lock")); }

    ProgramFolder folder;
    QTemporaryDir runtime;
    QTemporaryDir temporary;
    QString program;
    QProcessEnvironment env;
    std::vector<QProcess*> started;
};

} // namespace

TEST_F(RealProgram, ASecondStartAsksTheFirstToComeForwardAndTheFirstAnswers) {
    QProcess* first = start();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(QStringLiteral("zilvaro.socket"))),
                             10000);
    // A start as the program makes it: the first instance answers the request.
    SingleInstance second(runtime.path());
    ASSERT_EQ(second.outcome(), SingleInstance::Outcome::Second);
    EXPECT_TRUE(second.requestActivation(5000));
    // The second program ends at once, silently, and the first runs on.
    QProcess* next = start();
    ASSERT_TRUE(next->waitForFinished(10000));
    EXPECT_EQ(next->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(next->exitCode(), 0);
    EXPECT_EQ(next->readAllStandardError(), QByteArray());
    EXPECT_EQ(first->state(), QProcess::Running);

    // Killed, the first leaves its lock and socket behind; the next start takes both over.
    first->kill();
    first->waitForFinished();
    ASSERT_TRUE(QFile::exists(lockPath()));
    QProcess* after = start();
    QTest::qWait(1500);
    EXPECT_EQ(after->state(), QProcess::Running);
    SingleInstance third(runtime.path());
    ASSERT_EQ(third.outcome(), SingleInstance::Outcome::Second);
    EXPECT_TRUE(third.requestActivation(5000));
}

TEST_F(RealProgram, EveryBrokenLockStillShowsTheWindow) {
    const QByteArray otherHost =
        "4242\nzilvaro\nnot-" + QSysInfo::machineHostName().toUtf8() + "\n";
    for (const QByteArray& content : {QByteArray(), QByteArray("junk"), otherHost}) {
        writeFile(lockPath(), content);
        QProcess* process = start();
        QTest::qWait(1500);
        EXPECT_EQ(process->state(), QProcess::Running) << content.toStdString();
        QFile lock(lockPath());
        ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
        EXPECT_EQ(lock.readLine().trimmed(), QByteArray::number(process->processId()));
        process->kill();
        process->waitForFinished();
    }
    // A lock that is a folder: the window comes up all the same, and a line on the error
    // output names the folder.
    QFile::remove(lockPath());
    ASSERT_TRUE(QDir(runtime.path()).mkdir(QStringLiteral("zilvaro.lock")));
    QProcess* process = start();
    QString error;
    EXPECT_TRUE(waitForError(process, QStringLiteral("starting without the single-instance check"),
                             &error));
    EXPECT_TRUE(error.contains(runtime.path())) << error.toStdString();
    QTest::qWait(500);
    EXPECT_EQ(process->state(), QProcess::Running);
}

TEST_F(RealProgram, ARecordFileThatIsANamedPipeEndsInAMessageAtOnce) {
    QFile::remove(folder.recordFilePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.recordFilePath()).constData(), 0600), 0);
    QProcess* process = start();
    QString error;
    EXPECT_TRUE(waitForError(process,
                             QStringLiteral("Cannot open the record file ") +
                                 folder.recordFilePath() +
                                 QStringLiteral(": it is a named pipe, not a regular file"),
                             &error))
        << error.toStdString();
}

TEST_F(RealProgram, WithoutADisplayItSaysSoAndEndsWithStatusOne) {
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    for (const QString& display : {QString(), QStringLiteral(":987")}) {
        if (display.isEmpty()) {
            env.remove(QStringLiteral("DISPLAY"));
        } else {
            env.insert(QStringLiteral("DISPLAY"), display);
        }
        QProcess* process = start();
        ASSERT_TRUE(process->waitForFinished(10000));
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit); // no abort, no core dump
        EXPECT_EQ(process->exitCode(), 1);
        const QString error = QString::fromLocal8Bit(process->readAllStandardError());
        EXPECT_TRUE(error.contains(QStringLiteral("Zilvaro needs a graphical display")))
            << error.toStdString();
        EXPECT_FALSE(error.contains(QStringLiteral("Reinstalling"))) << error.toStdString();
        EXPECT_FALSE(QFile::exists(lockPath()));
    }
}
