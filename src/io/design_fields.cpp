#include "io/design_fields.h"

namespace flange {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

// Splits the bytes into at most maxFields fields, noting their layout where asked to.
std::vector<QByteArrayView> scanFields(QByteArrayView bytes, std::size_t maxFields,
                                       FieldLayout* layout)
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
            const qsizetype afterQuote = pos;
            skipToSeparator();
            if (layout) {
                layout->unclosedQuote = close == size;
                layout->textAfterQuote = layout->textAfterQuote || pos > afterQuote;
            }
        } else {
            const qsizetype start = pos;
            skipToSeparator();
            qsizetype end = pos;
            while (end > start && isBlank(bytes[end - 1]))
                --end;
            fields.push_back(bytes.sliced(start, end - start));
            if (layout) {
                layout->unclosedQuote = false;
                layout->unquotedField = true;
            }
        }
        // One separator: a comma, CR LF, a lone LF or a lone CR.
        const bool lineEnd = pos + 1 < size && bytes[pos] == '\r' && bytes[pos + 1] == '\n';
        if (layout) {
            const bool endsLine = fields.size() == 7 || fields.size() == 17;
            const bool asSaved = pos == size || (endsLine ? lineEnd : bytes[pos] == ',');
            layout->linesAsSaved = layout->linesAsSaved && asSaved;
        }
        if (lineEnd)
            pos += 2;
        else if (pos < size)
            ++pos;
    }
    return fields;
}

} // namespace

std::vector<QByteArrayView> splitDesignFields(QByteArrayView bytes, std::size_t maxFields)
{
    return scanFields(bytes, maxFields, nullptr);
}

FieldLayout inspectDesignFields(QByteArrayView bytes)
{
    FieldLayout layout;
    layout.fields = scanFields(bytes, std::size_t(-1), &layout).size();
    return layout;
}

} // namespace flange
