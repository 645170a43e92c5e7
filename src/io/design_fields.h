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

// How the bytes are laid out as fields, against the form Save As writes: every field in double
// quotes with nothing after its closing quote, seven fields on the first line and ten on the
// second, each line ended by CR LF.
struct FieldLayout {
    std::size_t fields = 0;      // all fields of the bytes, not only the first 17
    bool unclosedQuote = false;  // the last quoted field runs to the end of the data
    bool textAfterQuote = false; // a field has bytes between its closing quote and separator
    bool unquotedField = false;  // a field does not begin with a double quote
    bool linesAsSaved = true;    // CR LF after the 7th and the 17th field, commas elsewhere
                                 // (where the data does not end first)
};
FieldLayout inspectDesignFields(QByteArrayView bytes);

} // namespace flange
