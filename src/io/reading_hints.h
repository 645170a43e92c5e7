#pragma once

// What reading a design file notices in its bytes, as hints: the file is still read as the format
// says (io/design_file.h), but never silently.
//
// - Unreadable field: a field whose bytes are not valid code page 932 (a file saved as UTF-8,
//   with a byte-order mark, or with a stray lead byte) is read empty; saving writes it empty.
// - File form: the bytes are not laid out as Save As writes them (a last quote that never closes,
//   as in a cut copy; not 17 fields; text after a closing quote; a field without quotes; lines
//   split otherwise; a byte-order mark; no CR LF at the end). A cut file can turn an NG design
//   OK without a word.

#include "calc/hints.h"

#include <QByteArrayView>

#include <vector>

namespace flange {

// The hints of the bytes of a design file: the unreadable fields (one hint naming them all, in
// file order), then the file form (one hint naming every departure); nothing for a file as Save
// As writes it.
std::vector<Hint> readingHints(QByteArrayView bytes);

} // namespace flange
