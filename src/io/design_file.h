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
#include "calc/hints.h"
#include "io/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace flange {

// Design files larger than this are refused: no design file comes near it.
inline constexpr qint64 maxDesignFileBytes = 1024 * 1024;

// The longest text an input may have, in UTF-16 code units: what an entry field of the window
// holds. A longer field would be shown cut while the whole text was calculated and saved.
inline constexpr qsizetype maxInputLength = 32767;

// The file dialogs' single filter: description and pattern.
inline constexpr char designFileFilter[] = "鋼管仕口ファイル(*.sou)";

// The bytes of the design file for these inputs. A text holding a double quote or a character
// code page 932 cannot store is refused (the format has no escape): QuoteInText or
// UnstorableCharacter naming the first such field in file order (by caption), or NoConverter.
Result<QByteArray> encodeDesignFile(const DesignInputs& inputs);

// The first 17 fields of the bytes, by the reading rules of the format; missing fields are empty
// and a field whose bytes are not valid code page 932 is empty, the following fields still filled.
// Linear in the size of the bytes; never fails.
DesignInputs decodeDesignFile(QByteArrayView bytes);

struct DesignFileRead {
    DesignInputs inputs;
    std::vector<Hint> hints; // what reading noticed (io/reading_hints.h)
};

// Reads a design file. Fails when it is missing (NotFound), a folder (Folder), another kind of
// non-regular file (NotRegularFile), unreadable (Unreadable), larger than maxDesignFileBytes
// (TooLarge) or holds a field longer than maxInputLength (FieldTooLong, the first such field).
// The file is opened without waiting and judged on what was opened, so a pipe put in its place
// never blocks the reader.
Result<DesignFileRead> readDesignFile(const QString& path);
// The same, for a file named by the bytes the system passed (any bytes the file system takes, not
// only UTF-8); `shownPath` stands for it in an error.
Result<DesignFileRead> readDesignFile(const QByteArray& nativePath, const QString& shownPath);

// Writes a design file through writeFileAtomically, so an existing file is replaced only by a
// complete new one. A text that cannot be stored is refused as in encodeDesignFile, with nothing
// written; a file that cannot be written gives the errors of writeFileAtomically. The path is used
// exactly as given: no extension is added.
Result<void> writeDesignFile(const QString& path, const DesignInputs& inputs);

} // namespace flange
