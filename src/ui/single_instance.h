#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QWidget;

namespace zilvaro {

// One running instance per user. The first instance holds a lock file in the user's
// runtime folder for its whole life, and listens on a local socket beside it. A second
// start finds the lock held, asks the first instance through the socket to bring its
// window forward, and ends.
//
// A lock is stale, and is taken over, when its process is gone, when it is empty or
// cannot be read as a lock, or when it names another host (the runtime folder is this
// machine's own). A socket left behind by a process that is gone is taken over with the
// lock. The lock and the socket are looked at before they are opened, never through a
// link: anything in their place that is not a regular file (the lock) or a socket (a
// link, a named pipe, a device, a folder) is taken over the same way. A lock that can be
// neither made nor taken over is no sign of another instance: the program then runs
// without the check (Unchecked), and problem() says why, naming the path. A socket path
// too long for the system is replaced by a shorter one in a private folder of our own.
// Where the runtime files live: the session's runtime folder when it is one that only
// this user can write (XDG_RUNTIME_DIR, a real folder of the user's, mode 0700), else a
// private folder of our own in the user's cache folder, made (or reused after the same
// check) as this user's alone. `note` is the one line that says which folder was taken
// instead and why, or why none could be (`path` then empty); empty when the session's
// own folder serves.
struct RuntimeFolder {
    QString path;
    QString note;
};
RuntimeFolder chooseRuntimeFolder();

// Why path is no folder only this user can write ("it belongs to another user"), or
// empty when it is one: a real folder (not a link), the user's own, mode 0700.
QString privateFolderProblem(const QString& path);

class SingleInstance {
public:
    enum class Outcome {
        First,     // this process holds the lock
        Second,    // another instance holds it
        Unchecked, // no lock could be made: run without the check
    };

    // folder is where the lock and the socket live (chooseRuntimeFolder()); empty when no
    // folder could be had, which leaves the instance Unchecked.
    explicit SingleInstance(const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Outcome outcome() const { return outcome_; }
    // True when this process is the only instance.
    bool acquired() const { return outcome_ == Outcome::First; }
    // Why the check could not be made (Unchecked), or why a first instance cannot be
    // asked to come forward (no socket), naming the path; empty otherwise.
    QString problem() const { return problem_; }

    // The first instance: runs handler for every request of a later start, once the
    // request has arrived. Without a handler requests are answered and ignored.
    void onActivationRequest(std::function<void()> handler);
    bool serving() const;

    // A second start: asks the first instance to bring its window forward and waits for
    // its answer, at most timeoutMs. True when the first instance answered.
    bool requestActivation(int timeoutMs = 1000) const;

    QString lockPath() const;
    QString socketPath() const;
    // The longest path a local socket can have on this system, in bytes.
    static int maxSocketPathBytes();

private:
    void takeLock();
    void listen();

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> handler_;
    Outcome outcome_ = Outcome::Unchecked;
    QString problem_;
};

// Brings a shown window to the front as a second start asks: restores it when minimised,
// raises it and gives it the focus.
void bringWindowForward(QWidget& window);

} // namespace zilvaro
