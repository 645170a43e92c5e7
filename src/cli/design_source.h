#pragma once

// Where the checker's designs come from: a design file named by the bytes of its command-line
// argument (any bytes the file system takes, not only UTF-8), or standard input for "-".
//
// A file is opened without blocking and judged on the opened descriptor, so a FIFO or a device
// named as a design never holds the run; the file's identity (device and inode) is kept so that
// no report is ever written over a design of the run.

#include "io/design_file.h"
#include "io/result.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>
#include <vector>

namespace flange {

// The argument that stands for standard input.
inline constexpr char standardInputName[] = "-";

// Device and inode of a file: the same file under any name or hard link.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct DesignSource {
    Result<DesignInputs> design;          // or why it could not be read, its path as shownFileName
                                          // gives it
    std::optional<FileIdentity> identity; // of a regular file read, also through standard input
    std::vector<Hint> hints;              // what reading noticed (io/reading_hints.h)
};

// Reads the design named by `name` ("-" for standard input) as the window's Open does: at most
// maxDesignFileBytes, any content gives 17 texts.
DesignSource readDesignSource(const QByteArray& name);

// What exists under `name` now, without opening it.
struct ExistingFile {
    bool exists = false;
    bool regular = false;
    FileIdentity identity;
};
ExistingFile lookUpFile(const QByteArray& name);

} // namespace flange
