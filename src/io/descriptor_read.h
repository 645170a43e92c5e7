#pragma once

// Reading a design file's bytes from a descriptor that is already open, for the window's Open and
// the checker alike (Unix only).

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_UNIX

namespace flange {

struct DescriptorRead {
    QByteArray bytes;
    int error = 0; // errno when reading failed; the bytes are then not to be used
};

// Reads to the end, but at most one byte more than a design file may hold (maxDesignFileBytes),
// so that a file that is too large, or grew after its size was looked at, shows as too large.
// `expected` is the size the file is thought to have. A descriptor left non-blocking by whoever
// opened it (a standard input whose data is still to come) is waited on, not given up.
DescriptorRead readDesignBytes(int fd, qsizetype expected);

} // namespace flange

#endif
