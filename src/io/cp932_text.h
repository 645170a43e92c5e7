#pragma once

// Texts in code page 932, the Japanese Windows form of Shift_JIS in which design files are stored.
// The conversion is QtCore's ICU converter "windows-31j", which has the Windows extensions (NEC
// and IBM rows, user-defined area) that a plain Shift_JIS table lacks.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace flange {

// False when this QtCore has no code page 932 converter (built without ICU); then nothing can be
// read or written.
bool cp932Available();

// The text the bytes hold, or nothing when they are not valid code page 932: a byte or byte pair
// that stands for no character, or a lead byte without its trail byte.
std::optional<QString> decodeCp932(QByteArrayView bytes);

// The bytes of the text, or nothing when a character has no code page 932 form or its form reads
// back as another character (a text must come back from a file exactly as it was stored).
std::optional<QByteArray> encodeCp932(QStringView text);

// The first character (a surrogate pair counts as one) for which encodeCp932 fails; empty when the
// whole text can be stored.
QString firstUnstorableCharacter(QStringView text);

} // namespace flange
