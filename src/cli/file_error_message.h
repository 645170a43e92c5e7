#pragma once

// The checker's wording of a failure to read the design file or to write the report, for its
// standard error.

#include "io/file_error.h"

#include <QString>

namespace flange {

// What went wrong with the design file named on the command line.
QString designFileErrorMessage(const FileError& error);

// What went wrong writing the report PDF.
QString reportFileErrorMessage(const FileError& error);

} // namespace flange
