#include "io/cp932_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace flange {

namespace {

constexpr char codecName[] = "windows-31j";

// Each text is converted on its own: no state carries over from one field to the next, so a lead
// byte at the end of one field can never swallow the first byte of the next.
constexpr auto flags = QStringConverter::Flag::Stateless;

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
    return text;
}

std::optional<QByteArray> encodeCp932(QStringView text)
{
    QStringEncoder encoder(codecName, flags);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
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
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QStringView character = text.sliced(i, length);
        if (!encodeCp932(character))
            return character.toString();
        i += length;
    }
    return {};
}

} // namespace flange
