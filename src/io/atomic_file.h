#pragma once

// Writing a whole file so that the path holds either what it held before or all of the new bytes,
// never a part: the bytes go into a temporary file beside the target, every write and the final
// flush are checked, and only a complete file is renamed over the target. Design files and report
// PDF files are written through this.

#include "io/result.h"

#include <QByteArrayView>
#include <QString>

namespace flange {

// Writes `bytes` to `path`. A target that exists and is not a regular file (a folder, pipe, device
// or socket) is refused at once as NotRegularFile, without opening it. Any other failure is
// Unwritable with the system's reason; the temporary file is then removed and an existing file at
// the path is left byte for byte as it was.
Result<void> writeFileAtomically(const QString& path, QByteArrayView bytes);

// Makes a write past the process's file size limit (`ulimit -f`) fail with "File too large", as a
// full disk does, instead of ending the process with SIGXFSZ: both programs call it first, so a
// limit never takes the engineer's unsaved inputs or the checker's message with it.
void letWritesFailPastFileSizeLimit();

} // namespace flange
