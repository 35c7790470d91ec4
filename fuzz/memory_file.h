#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

// The fuzz input as a regular file in memory, named by a path the readers open as they
// open files on disk. Nothing touches the disk.
class MemoryFile {
public:
    MemoryFile(const std::uint8_t* data, std::size_t size) {
        fd_ = memfd_create("fuzz", MFD_CLOEXEC);
        if (fd_ >= 0 && size > 0 && ::write(fd_, data, size) != static_cast<ssize_t>(size)) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool valid() const { return fd_ >= 0; }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

private:
    int fd_ = -1;
};
