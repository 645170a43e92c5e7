#include "io/descriptor_read.h"

#ifdef Q_OS_UNIX

#include "io/design_file.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace flange {

namespace {

// Waits until the descriptor has data or its end to read; false when waiting failed.
bool waitForData(int fd)
{
    pollfd wanted{fd, POLLIN, 0};
    for (;;) {
        if (::poll(&wanted, 1, -1) >= 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

} // namespace

DescriptorRead readDesignBytes(int fd, qsizetype expected)
{
    const qsizetype limit = maxDesignFileBytes + 1;
    DescriptorRead read{
        QByteArray(std::clamp<qsizetype>(expected + 1, 1, limit), Qt::Uninitialized), 0};
    QByteArray& bytes = read.bytes;
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() == limit)
                break;
            bytes.resize(std::min(limit, bytes.size() * 2));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitForData(fd))
                continue;
            read.error = errno;
            return read;
        }
        filled += got;
    }
    bytes.truncate(filled);
    return read;
}

} // namespace flange

#endif
