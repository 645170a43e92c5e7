#pragma once

// Design files (".sou"): the 17 input texts of one design as two CR LF records of 7 and 10
// double-quoted fields in Shift_JIS (code page 932). Reading never fails on content: any bytes give
// a defined set of 17 texts. Writing refuses texts the format cannot hold faithfully.

#include "calc/design_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <string>

namespace flange {

// The 17 input texts (UTF-8) in file order: boltSize, boltArea, ... alpha0.
using DesignInputs = std::array<std::string, 17>;

// Design files larger than this are refused: no design file comes near it.
inline constexpr qint64 maxDesignFileBytes = 1024 * 1024;

DesignInputs inputsOf(const DesignRecord& record);
void applyInputs(DesignRecord& record, const DesignInputs& inputs);

struct EncodedDesign {
    std::optional<QByteArray> bytes; // the file's bytes, or nothing when a text was refused
    QString refusedCaption;          // caption of the first field that cannot be stored
    QString refusedReason;           // why, in Japanese, for the engineer
};

// The bytes of the design file for these inputs. A text holding a double quote or a character
// code page 932 cannot encode is refused (the format has no escape).
EncodedDesign encodeDesignFile(const DesignInputs& inputs);

// The first 17 fields of the bytes, by the reading rules of the format; missing fields are empty
// and a field whose bytes are not valid code page 932 is empty.
DesignInputs decodeDesignFile(QByteArrayView bytes);

struct DesignFileResult {
    bool ok = false;
    QString error; // a message for the engineer naming the file (or the field), when not ok
};

// Reads a design file. Fails, with a message naming the file, when it is missing, a folder,
// unreadable or larger than maxDesignFileBytes.
DesignFileResult readDesignFile(const QString& path, DesignInputs& inputs);

// Writes a design file through QSaveFile, so an existing file is replaced only by a complete new
// one. Fails with a message naming the field when a text cannot be stored (nothing is written),
// or naming the file when it cannot be written.
DesignFileResult writeDesignFile(const QString& path, const DesignInputs& inputs);

} // namespace flange
