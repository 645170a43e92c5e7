#include "io/design_fields.h"

namespace flange {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

} // namespace

std::vector<QByteArrayView> splitDesignFields(QByteArrayView bytes, std::size_t maxFields)
{
    std::vector<QByteArrayView> fields;
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    const auto skipToSeparator = [&] {
        while (pos < size && !isSeparator(bytes[pos]))
            ++pos;
    };

    while (fields.size() < maxFields && pos < size) {
        while (pos < size && isBlank(bytes[pos]))
            ++pos;
        if (pos < size && bytes[pos] == '"') {
            const qsizetype start = pos + 1;
            qsizetype close = bytes.indexOf('"', start);
            if (close < 0)
                close = size;
            fields.push_back(bytes.sliced(start, close - start));
            pos = close < size ? close + 1 : size;
            skipToSeparator();
        } else {
            const qsizetype start = pos;
            skipToSeparator();
            qsizetype end = pos;
            while (end > start && isBlank(bytes[end - 1]))
                --end;
            fields.push_back(bytes.sliced(start, end - start));
        }
        // One separator: a comma, CR LF, a lone LF or a lone CR.
        if (pos + 1 < size && bytes[pos] == '\r' && bytes[pos + 1] == '\n')
            pos += 2;
        else if (pos < size)
            ++pos;
    }
    return fields;
}

} // namespace flange
