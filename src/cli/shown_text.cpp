#include "cli/shown_text.h"

#include <QStringDecoder>

#include <algorithm>


namespace flange {

namespace {

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

QString escaped(uint c, int digits)
{
    const QString hex = QString::number(c, 16).toUpper().rightJustified(digits, u'0');
    return (digits == 2 ? QStringLiteral("\\x") : QStringLiteral("\\u")) + hex;
}

} // namespace

QString withVisibleControls(QStringView text)
{
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return isControl(c.unicode()); }))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!isControl(c.unicode()))
            out += c;
        else
            out += escaped(c.unicode(), c.unicode() < 0x80 ? 2 : 4);
    }
    return out;
}

QString shownFileName(QByteArrayView name)
{
    if (const auto exact = exactFileName(name))
        return withVisibleControls(*exact);
    // Another encoding (code page 932, as often as not): every byte past ASCII written out.
    QString out;
    for (const char byte : name) {
        const uchar c = uchar(byte);
        out += c < 0x80 && !isControl(c) ? QString(QChar(c)) : escaped(c, 2);
    }
    return out;
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
