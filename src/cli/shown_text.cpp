#include "cli/shown_text.h"

#include <QStringDecoder>

namespace flange {

namespace {

bool isAsciiControl(uchar c) { return c < 0x20 || c == 0x7F; }

void appendEscaped(QByteArray& out, uint c, int digits)
{
    out += digits == 2 ? "\\x" : "\\u";
    out += QByteArray::number(c, 16).toUpper().rightJustified(digits, '0');
}

// The code point of the UTF-8 sequence at the start of `rest` when it is one that must not reach
// the screen as it is: a C1 control (U+0080 to U+009F), a mark or control that changes the
// direction text is shown in (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069: they
// can make "rtl\u202Egpj.sou" look like "rtluos.jpg"), or a line or paragraph separator (U+2028,
// U+2029), which would start a line of its own. Its length in bytes goes to `length`.
std::optional<uint> hiddenCharacter(std::string_view rest, std::size_t& length)
{
    if (rest.size() < 2)
        return std::nullopt;
    const uchar first = uchar(rest[0]);
    const uchar second = uchar(rest[1]);
    if (first == 0xC2 && second >= 0x80 && second <= 0x9F) {
        length = 2;
        return second;
    }
    if (first == 0xD8 && second == 0x9C) {
        length = 2;
        return 0x061C;
    }
    if (rest.size() < 3 || first != 0xE2 || (second != 0x80 && second != 0x81))
        return std::nullopt;
    const uint c = 0x2000 + ((second & 0x3F) << 6) + (uchar(rest[2]) & 0x3F);
    const bool hidden =
        c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    if (!hidden)
        return std::nullopt;
    length = 3;
    return c;
}

} // namespace

void appendWithVisibleControls(QByteArray& out, std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const uchar c = uchar(utf8[i]);
        std::size_t length = 1;
        if (c == '\\') {
            out += "\\\\";
        } else if (isAsciiControl(c)) {
            appendEscaped(out, c, 2);
        } else if (const auto hidden = hiddenCharacter(utf8.substr(i), length)) {
            appendEscaped(out, *hidden, 4);
            i += length - 1;
        } else {
            out += char(c);
        }
    }
}

QString withVisibleControls(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    appendWithVisibleControls(out, std::string_view(utf8.constData(), std::size_t(utf8.size())));
    return QString::fromUtf8(out);
}

QString shownFileName(QByteArrayView name)
{
    if (const auto exact = exactFileName(name))
        return withVisibleControls(*exact);
    // Another encoding (code page 932, as often as not): every byte past ASCII written out.
    QByteArray out;
    for (const char byte : name) {
        const uchar c = uchar(byte);
        if (c == '\\')
            out += "\\\\";
        else if (c < 0x80 && !isAsciiControl(c))
            out += byte;
        else
            appendEscaped(out, c, 2);
    }
    return QString::fromLatin1(out);
}

std::optional<QString> exactFileName(QByteArrayView name)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(name);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace flange
