#pragma once

// Design files (".sou"): the 17 input texts of one design as two CR LF records of 7 and 10
// double-quoted fields in Shift_JIS (code page 932). Reading never fails on content: any bytes give
// a defined set of 17 texts. Writing refuses texts the format cannot hold faithfully.
//
// Reading follows the rules in io/design_fields.h: commas and line ends both separate fields, the
// first 17 fields are taken wherever they stand, missing ones are empty and later ones ignored.
// A field written without quotes (Save As never writes one) loses its leading and trailing blanks
// and is otherwise taken as it stands; boltArea, like every field, is taken as plain text.

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

// The file dialogs' single filter: description and pattern.
inline constexpr char designFileFilter[] = "鋼管仕口ファイル(*.sou)";

// The 17 inputs of the record in file order, and the other way round (only the inputs are set;
// results and judgements are left as they are).
DesignInputs inputsOf(const DesignRecord& record);
void applyInputs(DesignRecord& record, const DesignInputs& inputs);

struct EncodedDesign {
    std::optional<QByteArray> bytes; // the file's bytes, or nothing when a text was refused
    QString refusedCaption;          // caption of the first field that cannot be stored
    QString refusedReason;           // why, in Japanese, for the engineer
};

// The bytes of the design file for these inputs. A text holding a double quote or a character
// code page 932 cannot store is refused (the format has no escape): the first such field in file
// order is named and no bytes are given.
EncodedDesign encodeDesignFile(const DesignInputs& inputs);

// The first 17 fields of the bytes, by the reading rules of the format; missing fields are empty
// and a field whose bytes are not valid code page 932 is empty, the following fields still filled.
// Linear in the size of the bytes; never fails.
DesignInputs decodeDesignFile(QByteArrayView bytes);

struct DesignFileResult {
    bool ok = false;
    QString error; // a message for the engineer naming the file (or the field), when not ok
};

// Reads a design file into inputs. Fails, with a message naming the file, when it is missing, a
// folder or another non-regular file, unreadable or larger than maxDesignFileBytes; inputs are
// then all empty, as the window stands after opening a file it cannot read.
DesignFileResult readDesignFile(const QString& path, DesignInputs& inputs);

// Writes a design file through QSaveFile, so an existing file is replaced only by a complete new
// one. Fails with a message naming the field when a text cannot be stored (nothing is written and
// an existing file stays as it was), or naming the file when it cannot be written. The path is
// used exactly as given: no extension is added.
DesignFileResult writeDesignFile(const QString& path, const DesignInputs& inputs);

} // namespace flange
