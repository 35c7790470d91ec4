#include "record_builder.h"
#include "ui/application.h"
#include "ui/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
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
    const QString lock = folder.filePath(QStringLiteral("zilvaro.lock"));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("zilvaro.lock/inside")));
    SingleInstance instance(folder.path());
    EXPECT_EQ(instance.outcome(), SingleInstance::Outcome::Unchecked);
    EXPECT_EQ(instance.problem(),
              QStringLiteral("the lock file %1 is a folder, which cannot be replaced").arg(lock));
    EXPECT_FALSE(instance.serving());

    // A runtime folder that cannot be made (its parent is a file).
    QTemporaryDir other;
    writeFile(other.filePath(QStringLiteral("file")), "x");
    const QString missing = other.filePath(QStringLiteral("file/runtime"));
    SingleInstance nowhere(missing);
    EXPECT_EQ(nowhere.outcome(), SingleInstance::Outcome::Unchecked);
    EXPECT_TRUE(nowhere.problem().contains(missing)) << nowhere.problem().toStdString();
}

TEST(SingleInstance, ALockOrSocketThatIsNoFileIsTakenOverWithoutBeingOpened) {
    // A named pipe would block the lock's read for ever, a link to /dev/zero feed it for
    // ever, a link may lead anywhere; a lock larger than a lock can be is not read either.
    const auto makeThing = [](const QString& path, int kind) {
        const QByteArray name = QFile::encodeName(path);
        switch (kind) {
        case 0:
            ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
            break;
        case 1:
            ASSERT_EQ(::symlink("/dev/zero", name.constData()), 0);
            break;
        case 2:
            ASSERT_EQ(::symlink(name.constData(), name.constData()), 0); // loops
            break;
        case 3:
            ASSERT_TRUE(QDir().mkdir(path)); // empty folder
            break;
        default:
            writeFile(path, QByteArray(100000, '1'));
        }
    };
    for (int kind = 0; kind < 5; ++kind) {
        QTemporaryDir folder;
        makeThing(folder.filePath(QStringLiteral("zilvaro.lock")), kind);
        if (kind < 4) {
            makeThing(folder.filePath(QStringLiteral("zilvaro.socket")), kind);
        }
        QElapsedTimer clock;
        clock.start();
        SingleInstance first(folder.path());
        EXPECT_LT(clock.elapsed(), 1000) << kind;
        ASSERT_EQ(first.outcome(), SingleInstance::Outcome::First) << kind;
        EXPECT_TRUE(first.serving()) << kind;
        EXPECT_EQ(first.problem(), QString()) << kind;
        bool answered = false;
        requestFromElsewhere(folder.path(), &answered);
        EXPECT_TRUE(answered) << kind;
    }
    // A socket path that is a folder holding something cannot be cleared: the instance
    // runs, cannot be asked to come forward, and says where.
    QTemporaryDir folder;
    const QString socket = folder.filePath(QStringLiteral("zilvaro.socket"));
    ASSERT_TRUE(QDir().mkpath(socket + QStringLiteral("/inside")));
    SingleInstance first(folder.path());
    EXPECT_EQ(first.outcome(), SingleInstance::Outcome::First);
    EXPECT_FALSE(first.serving());
    EXPECT_EQ(first.problem(),
              QStringLiteral("the socket %1 is a folder, which cannot be replaced; a second "
                             "start cannot bring this window forward")
                  .arg(socket));
    SingleInstance second(folder.path());
    ASSERT_EQ(second.outcome(), SingleInstance::Outcome::Second);
    EXPECT_FALSE(second.requestActivation(300));
}

TEST(SingleInstance, ASocketPathTooLongForTheSystemFallsBackToAShorterOneOfOurOwn) {
    QTemporaryDir parent;
    const QString deep = parent.filePath(QString(120, u'r'));
    ASSERT_TRUE(QDir().mkdir(deep));
    SingleInstance first(deep);
    ASSERT_EQ(first.outcome(), SingleInstance::Outcome::First);
    EXPECT_EQ(first.socketPath(),
              QStringLiteral("/tmp/zilvaro-%1/zilvaro.socket").arg(::geteuid()));
    EXPECT_LE(QFile::encodeName(first.socketPath()).size(), SingleInstance::maxSocketPathBytes());
    EXPECT_TRUE(first.serving());
    EXPECT_EQ(first.problem(), QString());
    EXPECT_EQ(privateFolderProblem(QFileInfo(first.socketPath()).path()), QString());
    bool answered = false;
    requestFromElsewhere(deep, &answered);
    EXPECT_TRUE(answered);
}

TEST(SingleInstance, OnlyAFolderOfTheUsersOwnWithMode0700IsTrusted) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("runtime"));
    EXPECT_EQ(privateFolderProblem(path), QStringLiteral("it does not exist"));
    writeFile(path, "x");
    EXPECT_EQ(privateFolderProblem(path), QStringLiteral("it is a regular file, not a folder"));
    QFile::remove(path);
    ASSERT_EQ(::mkdir(QFile::encodeName(path).constData(), 0700), 0);
    EXPECT_EQ(privateFolderProblem(path), QString());
    for (const mode_t mode : {0755, 0500, 0777, 01700}) {
        ::chmod(QFile::encodeName(path).constData(), mode);
        EXPECT_EQ(privateFolderProblem(path),
                  QStringLiteral("its mode is %1, not 0700").arg(mode, 4, 8, QChar(u'0')));
    }
    ::chmod(QFile::encodeName(path).constData(), 0700);
    const QString link = folder.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_EQ(privateFolderProblem(link), QStringLiteral("it is a symbolic link, not a folder"));
    if (::geteuid() == 0) {
        // Made first by someone else.
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        EXPECT_EQ(privateFolderProblem(path), QStringLiteral("it belongs to another user"));
    }
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
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    }
    void TearDown() override {
        for (QProcess* process : started) {
            process->kill();
            process->waitForFinished();
            delete process;
        }
    }
    QProcess* start(const QStringList& arguments = {}) {
        auto* process = new QProcess;
        started.push_back(process);
        process->setProcessEnvironment(env);
        process->start(program, arguments);
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
    QTemporaryDir cache;
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
    ASSERT_TRUE(QDir(runtime.path()).mkpath(QStringLiteral("zilvaro.lock/inside")));
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

TEST_F(RealProgram, AnUntrustedRuntimeFolderIsReplacedByOurOwnInOneLine) {
    const QString own = cache.filePath(QStringLiteral("zilvaro/") + QSysInfo::machineHostName());
    const QString instead =
        QStringLiteral("; keeping the lock and the socket in %1 instead\n").arg(own);
    QTemporaryDir open;
    ::chmod(QFile::encodeName(open.path()).constData(), 0755);
    const QString file = temporary.filePath(QStringLiteral("file"));
    writeFile(file, "x");
    const std::pair<QString, QString> cases[] = {
        {QString(), QStringLiteral("zilvaro: XDG_RUNTIME_DIR is not set")},
        {open.path(), QStringLiteral("zilvaro: the runtime folder %1 (XDG_RUNTIME_DIR) cannot be "
                                     "trusted: its mode is 0755, not 0700")
                          .arg(open.path())},
        {file, QStringLiteral("zilvaro: the runtime folder %1 (XDG_RUNTIME_DIR) cannot be "
                              "trusted: it is a regular file, not a folder")
                   .arg(file)},
    };
    for (const auto& [folder, why] : cases) {
        if (folder.isEmpty()) {
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        } else {
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
        }
        QProcess* process = start();
        QString error;
        EXPECT_TRUE(waitForError(process, instead, &error)) << error.toStdString();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(own + QStringLiteral("/zilvaro.socket")), 10000);
        QTest::qWait(300);
        error += QString::fromLocal8Bit(process->readAllStandardError());
        // One line, ours: not the toolkit's own warnings.
        EXPECT_EQ(error, why + instead);
        EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("zilvaro.lock"))));
        EXPECT_EQ(privateFolderProblem(own), QString());
        process->kill();
        process->waitForFinished();
    }
}

TEST_F(RealProgram, ASecondStartBesideAStoppedFirstSaysItDidNotAnswer) {
    QProcess* first = start();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(QStringLiteral("zilvaro.socket"))),
                             10000);
    ASSERT_EQ(::kill(static_cast<pid_t>(first->processId()), SIGSTOP), 0);
    QProcess* second = start();
    const bool ended = second->waitForFinished(10000);
    ::kill(static_cast<pid_t>(first->processId()), SIGCONT);
    ASSERT_TRUE(ended);
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_EQ(QString::fromLocal8Bit(second->readAllStandardError()),
              QStringLiteral("zilvaro: Zilvaro is running already (its lock is %1), but the "
                             "running instance did not answer at %2\n")
                  .arg(lockPath(), runtime.filePath(QStringLiteral("zilvaro.socket"))));
}

TEST_F(RealProgram, TheDisplayMessageNamesTheDisplayOrPlatformTried) {
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const auto messageOf = [&](const QStringList& arguments) {
        QProcess* process = start(arguments);
        EXPECT_TRUE(process->waitForFinished(10000));
        EXPECT_EQ(process->exitCode(), 1);
        const QStringList lines =
            QString::fromLocal8Bit(process->readAllStandardError()).split(u'\n');
        const auto ours = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
            return line.startsWith(u"zilvaro: Zilvaro needs a graphical display");
        });
        return ours == lines.end() ? lines.join(u'\n') : *ours;
    };
    const QString start = QStringLiteral("zilvaro: Zilvaro needs a graphical display, and there "
                                         "is none (");
    const QString end = QStringLiteral("). Start it from a desktop session.");
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("bogus"));
    EXPECT_EQ(messageOf({}), start +
                                 QStringLiteral("the platform QT_QPA_PLATFORM=bogus cannot "
                                                "be started") +
                                 end);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":986"));
    EXPECT_EQ(messageOf({QStringLiteral("-display"), QStringLiteral(":987")}),
              start + QStringLiteral("the display :987 given by -display cannot be opened") + end);
}

TEST_F(RealProgram, ADisplayThatTakesTheConnectionAndNeverAnswersEndsTheStartWithinTwoSeconds) {
    // A listening socket where the X server's would be, that never answers: a stopped
    // server looks the same.
    const int number = 900 + static_cast<int>(QCoreApplication::applicationPid() % 90);
    const QString path = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    QDir().mkpath(QStringLiteral("/tmp/.X11-unix"));
    QFile::remove(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(fd, 8), 0);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(number));
    QElapsedTimer clock;
    clock.start();
    QProcess* process = start();
    const bool ended = process->waitForFinished(6000);
    const qint64 took = clock.elapsed();
    ::close(fd);
    QFile::remove(path);
    ASSERT_TRUE(ended);
    EXPECT_LT(took, 4000);
    EXPECT_EQ(process->exitCode(), 1);
    EXPECT_TRUE(
        QString::fromLocal8Bit(process->readAllStandardError())
            .contains(QStringLiteral("(DISPLAY=:%1 did not answer within 2 s)").arg(number)));
    EXPECT_FALSE(QFile::exists(lockPath()));
}

TEST_F(RealProgram, MessagesAreWrittenInTheLocalesCharacterSet) {
    // A GBK locale of our own, where the system has none.
    QTemporaryDir locales;
    QProcess make;
    make.start(QStringLiteral("localedef"),
               {QStringLiteral("-i"), QStringLiteral("zh_CN"), QStringLiteral("-f"),
                QStringLiteral("GBK"), locales.filePath(QStringLiteral("zh_CN.GBK"))});
    if (!make.waitForFinished(20000) || make.exitCode() != 0) {
        GTEST_SKIP() << "localedef cannot make a zh_CN.GBK locale here";
    }
    env.insert(QStringLiteral("LOCPATH"), locales.path());
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("zh_CN.GBK"));
    // A record file whose folder has a Chinese name, missing.
    const QString chinese = folder.path() + QStringLiteral("/程序");
    ASSERT_TRUE(QDir().mkdir(chinese));
    program = chinese + QStringLiteral("/zilvaro");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZILVARO_PROGRAM_DIR "/zilvaro"), program));
    QProcess* process = start();
    QByteArray error;
    for (int i = 0; i < 100 && !error.contains("wwbb11.dat"); ++i) {
        process->waitForReadyRead(100);
        error += process->readAllStandardError();
    }
    const QByteArray gbk = QFile::encodeName(folder.path()) + "/\xB3\xCC\xD0\xF2/wwbb11.dat";
    EXPECT_TRUE(error.contains("Cannot open the record file " + gbk + ": it does not exist"))
        << error.toStdString();
}

TEST_F(RealProgram, AProgramFolderLongerThanThePathLimitIsNamedNotTheRoot) {
    // Folders of 200 letters, deeper than PATH_MAX, made and entered one at a time.
    const QString step(200, u'd');
    QString script = QStringLiteral("set -e; cd '%1'; ").arg(folder.path());
    for (int i = 0; i < 22; ++i) {
        script += QStringLiteral("mkdir %1; cd %1; ").arg(step);
    }
    script += QStringLiteral("cp '%1' .; exec env ./zilvaro").arg(program);
    auto* process = new QProcess;
    started.push_back(process);
    process->setProcessEnvironment(env);
    process->start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), script});
    QString error;
    EXPECT_TRUE(waitForError(process,
                             QStringLiteral("zilvaro: Cannot find the program's folder (the folder "
                                            "of ./zilvaro in the working folder), which holds "
                                            "wwbb11.dat and bmp: its path is longer than the "
                                            "system allows (4096 bytes)"),
                             &error))
        << error.toStdString();
    EXPECT_FALSE(error.contains(u"/wwbb11.dat")) << error.toStdString();
    process->kill();
    process->waitForFinished();
    QProcess::execute(
        QStringLiteral("/bin/bash"),
        {QStringLiteral("-c"), QStringLiteral("cd '%1' && rm -rf %2").arg(folder.path(), step)});
}
