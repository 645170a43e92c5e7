#pragma once

// The engineer's wording of a design file failure, as the main window's warnings show it.

#include "io/file_error.h"

#include <QString>

namespace flange {

// The warning text for a failed Open or Save As. The file is named with the platform's
// separators; the system's reason, when there is one, follows on a line of its own.
QString fileErrorText(const FileError& error);

} // namespace flange
