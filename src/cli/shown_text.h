#pragma once

// Texts the checker prints for people: field texts and file names as they reach a terminal or a
// spreadsheet. A design file or a file name can hold any character; none of them may move the
// cursor, colour the screen, start a line of its own or turn the text around in the checker's
// output, and no two texts may be shown alike: a backslash is always the start of an escape.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace flange {

// The UTF-8 text with every control character (C0, DEL and C1), every character that changes the
// direction of the text shown (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069) and
// the line and paragraph separators (U+2028, U+2029) written visibly: "\x1B", "\x7F", "\u009B",
// "\u202E"; a backslash is written "\\". Appended to `out`; every other character stays as it is.
void appendWithVisibleControls(QByteArray& out, std::string_view utf8);

// The same for a QString.
QString withVisibleControls(QStringView text);

// A file name given as the bytes of a command-line argument, for messages and output: the bytes
// read as UTF-8, a byte that is not part of valid UTF-8 written as "\xHH", then control
// characters made visible as above.
QString shownFileName(QByteArrayView name);

// The file name as a QString that names the same file again, or nothing when the bytes are not
// valid UTF-8 (Qt names files in UTF-8, so such a name has no QString form).
std::optional<QString> exactFileName(QByteArrayView name);

} // namespace flange
