#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace zilvaro {

// One running instance per user. The first instance holds a lock file in the user's
// runtime folder for its whole life; a second start finds it held and ends. A lock left
// behind by a crashed instance is stale (its process is gone) and is taken over.
class SingleInstance {
public:
    // lockPath defaults to the user's runtime folder (or temporary folder).
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    // True when this process is the only instance.
    bool acquired() const { return acquired_; }
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

} // namespace zilvaro
