#pragma once

// Where the checker writes calculation reports, and which targets it refuses before anything is
// written: a design file of the run under any name (device and inode are compared, so another path
// or a hard link is caught too), and anything that exists and is not a regular file (a folder, a
// FIFO, a device), which is refused at once instead of being opened.

#include "cli/design_source.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace flange {

class ReportTargets {
public:
    // The identities of the run's design files ("-" is standard input).
    explicit ReportTargets(const QByteArrayList& designFiles);

    // Why a report may not be written to `target`, for the engineer; nothing when it may. A name
    // that is not UTF-8 is refused too, as the report writer names files in UTF-8.
    std::optional<QString> refusal(const QByteArray& target) const;

    // The report of the design `designFile` in the folder `dir`: dir/NAME.pdf, NAME being the
    // design's file name without its extension ("stdin" for standard input). A name already given
    // in this run gets "-2", "-3", ... so that no report of the run replaces another.
    QByteArray inFolder(const QByteArray& dir, const QByteArray& designFile);

private:
    std::vector<FileIdentity> designs_;
    QSet<QString> given_;
};

} // namespace flange
