#pragma once

// The engineer's wording of a file failure (io/file_error.h), shared by the main window's warnings
// and the checker's standard error. The front ends only choose where the system's reason stands.

#include "io/file_error.h"

#include <QString>

namespace flange {

enum class ReasonPlacement {
    OwnLine,  // "…\n（reason）", for a message box
    SameLine, // "…（reason）", for one line of standard error
};

// The text for a failed Open, Save As or checker read. The file is named with the platform's
// separators; the system's reason, when there is one, follows as placed.
QString fileErrorText(const FileError& error, ReasonPlacement reason);

// The text for a calculation report that could not be written to error.path, for one line.
QString reportFileErrorText(const FileError& error);

} // namespace flange
