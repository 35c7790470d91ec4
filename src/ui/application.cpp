#include "ui/application.h"

#include "core/error_output.h"
#include "ui/display_probe.h"
#include "ui/form11.h"
#include "ui/message_box_reporter.h"
#include "ui/single_instance.h"
#include "ui/url_opener.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace zilvaro {

namespace {

QtMessageHandler toolkitHandler = nullptr;
QString triedDisplay; // the display and platform the toolkit is started on
QString triedPlatform;
bool toolkitQuietAboutRuntime = false; // the one line about the runtime folder is said

// The toolkit's messages go where they always go, but for its warnings about a runtime
// folder that our own line has already named.
void runningMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (toolkitQuietAboutRuntime && message.startsWith(u"QStandardPaths: ")) {
        return;
    }
    if (toolkitHandler) {
        toolkitHandler(type, context, message);
    } else {
        writeErrorLine(qFormatLogMessage(type, context, message));
    }
}

// While the toolkit starts: its fatal message, that no platform plugin could start
// (there is no display), ends the program with a plain message and status 1 instead of
// an abort and a core dump.
void startUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        runningMessage(type, context, message);
        return;
    }
    writeErrorLine(noDisplayMessage(triedDisplay, triedPlatform));
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

// The value of a toolkit option (-display :1, --display=:1) on the command line; empty
// when it is not given.
QString optionValue(int argc, char* argv[], const char* name) {
    const QByteArray single = QByteArray("-") + name;
    const QByteArray dashed = QByteArray("--") + name;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if ((arg == single || arg == dashed) && i + 1 < argc) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
        for (const QByteArray& option : {single, dashed}) {
            if (arg.startsWith(option + '=')) {
                return QString::fromLocal8Bit(arg.mid(option.size() + 1));
            }
        }
    }
    return {};
}

// What is said when the program's own folder cannot be told: it names the folder as far
// as it can be told, from the name the program was started by.
QString programFolderMessage(const char* invokedAs) {
    const QString named = invokedAs ? QFile::decodeName(invokedAs) : QString();
    const QString current = QDir::currentPath();
    QString folder;
    if (named.startsWith(u'/')) {
        folder = QDir::toNativeSeparators(QFileInfo(named).path());
    } else if (!current.isEmpty()) {
        folder = QDir::toNativeSeparators(QFileInfo(QDir(current).filePath(named)).absolutePath());
    } else {
        folder = QStringLiteral("the folder of %1 in the working folder").arg(named);
    }
    return QStringLiteral("Cannot find the program's folder (%1), which holds wwbb11.dat and "
                          "bmp: its path is longer than the system allows (%2 bytes)")
        .arg(folder)
        .arg(PATH_MAX);
}

} // namespace

QString noDisplayMessage(const QString& display, const QString& platform, bool silent) {
    const QString x11 = display.isEmpty() ? qEnvironmentVariable("DISPLAY") : display;
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString cause =
        silent ? QStringLiteral("did not answer within %1 s").arg(DisplayAnswerMs / 1000)
               : QStringLiteral("cannot be opened");
    QString where;
    if (!platform.isEmpty() && !platform.startsWith(u"xcb") && !platform.startsWith(u"wayland")) {
        where = QStringLiteral("the platform %1 cannot be started").arg(platform);
        if (qEnvironmentVariable("QT_QPA_PLATFORM") == platform) {
            where =
                QStringLiteral("the platform QT_QPA_PLATFORM=%1 cannot be started").arg(platform);
        }
    } else if (!display.isEmpty()) {
        where = QStringLiteral("the display %1 given by -display %2").arg(display, cause);
    } else if (x11.isEmpty() && wayland.isEmpty()) {
        where = QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    } else {
        QStringList named;
        if (!x11.isEmpty()) {
            named.append(QStringLiteral("DISPLAY=") + x11);
        }
        if (!wayland.isEmpty() && !silent) {
            named.append(QStringLiteral("WAYLAND_DISPLAY=") + wayland);
        }
        where = named.join(QStringLiteral(", ")) + u' ' + cause;
    }
    return QStringLiteral("zilvaro: Zilvaro needs a graphical display, and there is none (%1). "
                          "Start it from a desktop session.")
        .arg(where);
}

int runApplication(int argc, char* argv[], const StartUpOptions& options) {
    // The window is laid out in 96-dpi pixels; on high-DPI screens Qt scales it by a
    // whole factor, so the sharp (2x) pictures land pixel for pixel. A fractional
    // factor forced by QT_SCALE_FACTOR, which Qt never rounds, shows them smoothed.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    triedDisplay = optionValue(argc, argv, "display");
    triedPlatform = optionValue(argc, argv, "platform");
    if (triedPlatform.isEmpty()) {
        triedPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    }
    // An X display that takes the connection and never answers would hold the toolkit's
    // start for ever: it gets DisplayAnswerMs to answer.
    const bool onX = triedPlatform.isEmpty() ? qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                             : triedPlatform.startsWith(u"xcb");
    const QString x11 = triedDisplay.isEmpty() ? qEnvironmentVariable("DISPLAY") : triedDisplay;
    if (onX && !x11.isEmpty() && xDisplayAnswers(x11, DisplayAnswerMs) == DisplayProbe::Silent) {
        writeErrorLine(noDisplayMessage(triedDisplay, triedPlatform, true));
        return 1;
    }
    // The runtime folder is settled before the toolkit looks for one: where the session's
    // cannot be trusted, the toolkit is given ours, and warns of nothing.
    const RuntimeFolder runtime = chooseRuntimeFolder();
    if (!runtime.note.isEmpty()) {
        writeErrorLine(QStringLiteral("zilvaro: ") + runtime.note);
    }
    if (!runtime.path.isEmpty()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path));
    } else {
        toolkitQuietAboutRuntime = true;
    }
    toolkitHandler = qInstallMessageHandler(startUpMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(runningMessage);
    QApplication::setApplicationName(QStringLiteral("zilvaro"));

    // A second instance brings the first one's window forward and ends, at once and
    // silently, before any window of its own exists.
    SingleInstance instance(runtime.path);
    if (instance.outcome() == SingleInstance::Outcome::Second) {
        if (!instance.requestActivation()) {
            writeErrorLine(QStringLiteral("zilvaro: Zilvaro is running already (its lock is %1), "
                                          "but the running instance did not answer at %2")
                               .arg(QDir::toNativeSeparators(instance.lockPath()),
                                    QDir::toNativeSeparators(instance.socketPath())));
            return 1;
        }
        return 0;
    }
    if (instance.outcome() == SingleInstance::Outcome::Unchecked) {
        // The lookup is the job; one instance is a convenience.
        writeErrorLine(QStringLiteral("zilvaro: %1; starting without the single-instance check")
                           .arg(instance.problem()));
    } else if (!instance.problem().isEmpty()) {
        writeErrorLine(QStringLiteral("zilvaro: ") + instance.problem());
    }

    MessageBoxReporter reporter;
    FailureGuard guard(reporter);
    const QString programDir =
        options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir;
    if (programDir.isEmpty()) {
        // The system could not say where the program lies, which happens when its path is
        // longer than a path may be: joined to nothing, the data would be looked for at
        // the root.
        reporter.report(programFolderMessage(argc > 0 ? argv[0] : nullptr));
    }
    Form11 window(programDir, guard, desktopUrlOpener());
    if (!guard.run([&] { window.Form_Load(); })) {
        return 1;
    }
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    if (options.beforeShow) {
        options.beforeShow(window);
    }
    window.show();
    instance.onActivationRequest([&window] { bringWindowForward(window); });
    return app.exec();
}

} // namespace zilvaro
