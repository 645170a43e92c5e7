#include "io/cp932_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace flange {

namespace {

constexpr char codecName[] = "windows-31j";

// Each text is converted on its own: no state carries over from one field to the next, so a lead
// byte at the end of one field can never swallow the first byte of the next.
constexpr auto flags = QStringConverter::Flag::Stateless;

// Code page 932 maps every byte 0x00-0x7F to the character of the same code. The ICU converter
// does not for three control bytes: it reads 0x1A as U+001C, 0x1C as U+007F and 0x7F as U+001A,
// and writes the mirror image. The converter's own reading of each single byte is looked up once,
// so the fix-up holds for a converter that swaps them and for one that does not.
struct AsciiFixUp {
    std::array<char16_t, 0x80> fromConverter{}; // the converter's character -> the true one
    std::array<char16_t, 0x80> toConverter{};   // the true character -> the converter's
};

const AsciiFixUp& asciiFixUp()
{
    static const AsciiFixUp table = [] {
        AsciiFixUp t;
        for (char16_t c = 0; c < 0x80; ++c)
            t.fromConverter[c] = t.toConverter[c] = c;
        QStringDecoder decoder(codecName, flags);
        if (!decoder.isValid())
            return t;
        for (char16_t byte = 0; byte < 0x80; ++byte) {
            const char b = char(byte);
            const QString read = decoder.decode(QByteArrayView(&b, 1));
            if (read.size() == 1 && read[0].unicode() < 0x80) {
                t.fromConverter[read[0].unicode()] = byte;
                t.toConverter[byte] = read[0].unicode();
            }
        }
        return t;
    }();
    return table;
}

void remapAscii(QString& text, const std::array<char16_t, 0x80>& map)
{
    for (QChar& c : text) {
        if (c.unicode() < 0x80)
            c = QChar(map[c.unicode()]);
    }
}

} // namespace

bool cp932Available()
{
    return QStringEncoder(codecName, flags).isValid() && QStringDecoder(codecName, flags).isValid();
}

std::optional<QString> decodeCp932(QByteArrayView bytes)
{
    QStringDecoder decoder(codecName, flags);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    remapAscii(text, asciiFixUp().fromConverter);
    return text;
}

std::optional<QByteArray> encodeCp932(QStringView text)
{
    QStringEncoder encoder(codecName, flags);
    if (!encoder.isValid())
        return std::nullopt;
    QString converterText = text.toString();
    remapAscii(converterText, asciiFixUp().toConverter);
    QByteArray bytes = encoder.encode(converterText);
    if (encoder.hasError())
        return std::nullopt;
    // A few characters are stored under the code of another one (for example U+F86F as the
    // numero sign): they would come back changed, so they count as unstorable.
    const auto back = decodeCp932(bytes);
    if (!back || *back != text)
        return std::nullopt;
    return bytes;
}

QString firstUnstorableCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2
                                                                                               : 1;
        const QStringView character = text.sliced(i, length);
        if (!encodeCp932(character))
            return character.toString();
        i += length;
    }
    return {};
}

} // namespace flange
