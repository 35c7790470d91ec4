#include "ui/display_probe.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

#include <arpa/inet.h>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zilvaro {

namespace {

// A socket descriptor closed when it goes out of scope.
class Socket {
public:
    explicit Socket(int family)
        : fd_(::socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Socket() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, static_cast<int>(deadline.remainingTime()));
        if (ready >= 0 || errno != EINTR) {
            return ready > 0;
        }
    }
}

// Connects (without waiting past the deadline), sends the X connection setup and waits
// for the first byte of the answer.
DisplayProbe probe(int family, const sockaddr* address, socklen_t length,
                   const QDeadlineTimer& deadline) {
    Socket socket(family);
    if (socket.fd() < 0) {
        return DisplayProbe::Unreached;
    }
    if (::connect(socket.fd(), address, length) != 0) {
        if (errno != EINPROGRESS) {
            return DisplayProbe::Unreached;
        }
        if (!waitFor(socket.fd(), POLLOUT, deadline)) {
            return DisplayProbe::Silent;
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
            return DisplayProbe::Unreached;
        }
    }
    // Byte order "l" (little-endian), protocol 11.0, no authorisation.
    const unsigned char setup[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (::send(socket.fd(), setup, sizeof setup, MSG_NOSIGNAL) !=
        static_cast<ssize_t>(sizeof setup)) {
        return DisplayProbe::Unreached;
    }
    if (!waitFor(socket.fd(), POLLIN, deadline)) {
        return DisplayProbe::Silent;
    }
    return DisplayProbe::Answers; // an answer, a refusal, or the server closing on us
}

} // namespace

DisplayProbe xDisplayAnswers(const QString& display, int timeoutMs) {
    static const QRegularExpression form(QStringLiteral("^([^:]*):(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch match = form.match(display);
    if (!match.hasMatch()) {
        return DisplayProbe::NotChecked; // the toolkit names what it cannot read
    }
    const QString host = match.captured(1);
    const int number = match.captured(2).toInt();
    const QDeadlineTimer deadline(timeoutMs);
    if (host.isEmpty() || host == u"unix") {
        // The toolkit tries the abstract socket first, then the one in the file system.
        const QByteArray path = QByteArrayLiteral("/tmp/.X11-unix/X") + QByteArray::number(number);
        DisplayProbe result = DisplayProbe::Unreached;
        for (const bool abstract : {true, false}) {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const int offset = abstract ? 1 : 0;
            std::memcpy(address.sun_path + offset, path.constData(),
                        static_cast<size_t>(path.size()));
            const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                       path.size() + (abstract ? 0 : 1));
            result = probe(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length, deadline);
            if (result != DisplayProbe::Unreached) {
                return result;
            }
        }
        return result;
    }
    // A display over TCP, only on this host: a name would need a lookup that may itself hang.
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(6000 + number));
    const QByteArray name = host == u"localhost" ? QByteArrayLiteral("127.0.0.1") : host.toLatin1();
    if (::inet_pton(AF_INET, name.constData(), &address.sin_addr) != 1 ||
        (ntohl(address.sin_addr.s_addr) >> 24) != 127) {
        return DisplayProbe::NotChecked;
    }
    return probe(AF_INET, reinterpret_cast<const sockaddr*>(&address), sizeof address, deadline);
}

} // namespace zilvaro
