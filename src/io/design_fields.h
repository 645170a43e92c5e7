#pragma once

// The field structure of a design file, on raw bytes: where each field's text lies.
//
// Fields are separated by a comma or by a line end (CR LF, a lone LF or a lone CR) alike, so the
// lines a file's fields stand on do not matter. Blanks (space, tab) before a field are skipped.
// A field that begins with a double quote holds the bytes up to the next double quote, commas and
// line ends included; anything between that quote and the next separator is ignored, and a quote
// that is never closed runs to the end of the data. Any other field holds the bytes up to the next
// separator, with its trailing blanks dropped; its text is otherwise kept as it stands (a number
// comes back exactly as it was typed). An empty line is an empty field.
//
// Splitting the bytes before decoding them is sound for code page 932: the bytes that delimit
// fields (blank, tab, CR, LF, '"' and ',') are all below 0x40 and so never the second byte of a
// double-byte character.

#include <QByteArrayView>

#include <cstddef>
#include <vector>

namespace flange {

// The first maxFields fields of the bytes, as views into them; fewer when the data ends first.
// Linear in the bytes looked at, whatever they are.
std::vector<QByteArrayView> splitDesignFields(QByteArrayView bytes, std::size_t maxFields);

} // namespace flange
