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

} // namespace

void appendWithVisibleControls(QByteArray& out, std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const uchar c = uchar(utf8[i]);
        // C1 controls are U+0080 to U+009F: C2 80 to C2 9F in UTF-8.
        const bool c1 = c == 0xC2 && i + 1 < utf8.size() && uchar(utf8[i + 1]) <= 0x9F
                        && uchar(utf8[i + 1]) >= 0x80;
        if (isAsciiControl(c)) {
            appendEscaped(out, c, 2);
        } else if (c1) {
            appendEscaped(out, uchar(utf8[++i]), 4);
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
        if (c < 0x80 && !isAsciiControl(c))
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
