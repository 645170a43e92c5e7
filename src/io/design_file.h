#pragma once

// Design files (".sou"): the 17 input texts of one design as two CR LF records of 7 and 10
// double-quoted fields in Shift_JIS (code page 932). Reading never fails on content: any bytes give
// a defined set of 17 texts. Writing refuses texts the format cannot hold faithfully.
//
// Reading follows the rules in io/design_fields.h: commas and line ends both separate fields, the
// first 17 fields are taken wherever they stand, missing ones are empty and later ones ignored.
// A field written without quotes (Save As never writes one) loses its leading and trailing blanks
// and is otherwise taken as it stands; boltArea, like every field, is taken as plain text.

#include "calc/design_inputs.h"
#include "calc/design_record.h"
#include "io/file_error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <string>

namespace flange {

// Design files larger than this are refused: no design file comes near it.
inline constexpr qint64 maxDesignFileBytes = 1024 * 1024;

// The file dialogs' single filter: description and pattern.
inline constexpr char designFileFilter[] = "鋼管仕口ファイル(*.sou)";

struct EncodedDesign {
    std::optional<QByteArray> bytes;  // the file's bytes, or nothing when a text was refused
    std::optional<FileError> refusal; // why not: QuoteInText or UnstorableCharacter naming the
                                      // field (by caption), or NoConverter
};

// The bytes of the design file for these inputs. A text holding a double quote or a character
// code page 932 cannot store is refused (the format has no escape): the first such field in file
// order is named and no bytes are given.
EncodedDesign encodeDesignFile(const DesignInputs& inputs);

// The first 17 fields of the bytes, by the reading rules of the format; missing fields are empty
// and a field whose bytes are not valid code page 932 is empty, the following fields still filled.
// Linear in the size of the bytes; never fails.
DesignInputs decodeDesignFile(QByteArrayView bytes);

struct DesignFileRead {
    DesignInputs inputs;            // all empty when the file could not be read
    std::optional<FileError> error; // why it could not
};

// Reads a design file. Fails when it is missing (NotFound), a folder (Folder), another kind of
// non-regular file (NotRegularFile), unreadable (Unreadable) or larger than maxDesignFileBytes
// (TooLarge); the inputs are then all empty, as the window stands after opening a file it cannot
// read. The file is opened without waiting and judged on what was opened, so a pipe put in its
// place never blocks the reader.
DesignFileRead readDesignFile(const QString& path);

// Writes a design file through writeFileAtomically, so an existing file is replaced only by a
// complete new one. A text that cannot be stored is refused as in encodeDesignFile, with nothing
// written; a file that cannot be written gives the errors of writeFileAtomically. The path is used
// exactly as given: no extension is added.
FileOutcome writeDesignFile(const QString& path, const DesignInputs& inputs);

} // namespace flange
