#include "report/svg_text_split.h"

#include <QSet>
#include <QXmlStreamReader>

#include <utility>

namespace flange {

namespace {

// The attributes a text may carry to be lifted out; any other leaves it to the renderer.
const QSet<QString> liftableAttributes{"x",          "y",           "font-family", "font-size",
                                       "font-style", "font-weight", "text-anchor", "fill"};

std::optional<qreal> number(QStringView text)
{
    bool ok = false;
    const qreal value = text.trimmed().toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// The text described by a <text> element's attributes, or nothing when it must stay.
std::optional<SvgText> liftable(const QXmlStreamAttributes& attributes)
{
    for (const auto& attribute : attributes)
        if (!attribute.namespaceUri().isEmpty()
            || !liftableAttributes.contains(attribute.name().toString()))
            return std::nullopt;
    const auto x = number(attributes.value("x"));
    const auto y = number(attributes.value("y"));
    const auto size = number(attributes.value("font-size"));
    const auto family = attributes.value("font-family");
    if (!x || !y || !size || *size <= 0 || family.isEmpty())
        return std::nullopt;

    SvgText text;
    text.baseline = {*x, *y};
    text.family = family.toString();
    text.size = *size;

    const auto style = attributes.value("font-style");
    if (style == u"italic" || style == u"oblique")
        text.italic = true;
    else if (!style.isEmpty() && style != u"normal")
        return std::nullopt;

    const auto weight = attributes.value("font-weight");
    if (weight == u"bold")
        text.bold = true;
    else if (!weight.isEmpty() && weight != u"normal")
        return std::nullopt;

    const auto anchor = attributes.value("text-anchor");
    if (anchor == u"middle")
        text.anchor = Qt::AlignHCenter;
    else if (anchor == u"end")
        text.anchor = Qt::AlignRight;
    else if (!anchor.isEmpty() && anchor != u"start")
        return std::nullopt;

    const auto fill = attributes.value("fill");
    text.fill = fill.isEmpty()    ? QColor(Qt::black)
                : fill == u"none" ? QColor(Qt::transparent)
                                  : QColor::fromString(fill);
    if (!text.fill.isValid())
        return std::nullopt;
    return text;
}

} // namespace

std::optional<SvgTextSplit> splitSvgTexts(const QByteArray& svg)
{
    // Offsets of the reader count characters of the text, so the document is read as text.
    const QString document = QString::fromUtf8(svg);
    QXmlStreamReader reader(document);
    SvgTextSplit split;
    std::vector<std::pair<qint64, qint64>> liftedRanges; // [start, end) in characters
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            --depth;
        } else if (reader.isStartElement() && ++depth == 2 && reader.name() == u"text") {
            // The reader stands just after the start tag; '<' cannot occur inside it.
            const qint64 start = document.lastIndexOf(u'<', reader.characterOffset() - 1);
            auto text = liftable(reader.attributes());
            QString content;
            // Read to the end of the element; a child element (a tspan) keeps it in place.
            for (int inner = 0; !reader.atEnd();) {
                reader.readNext();
                if (reader.isStartElement()) {
                    ++inner;
                    text.reset();
                } else if (reader.isEndElement() && inner-- == 0) {
                    break;
                } else if (reader.isCharacters()) {
                    content += reader.text();
                }
            }
            --depth;
            if (text) {
                text->text = content.simplified();
                split.texts.push_back(std::move(*text));
                liftedRanges.emplace_back(start, reader.characterOffset());
            }
        }
    }
    if (reader.hasError())
        return std::nullopt;

    QString rest;
    qint64 copied = 0;
    for (const auto& [start, end] : liftedRanges) {
        rest += QStringView(document).sliced(copied, start - copied);
        copied = end;
    }
    rest += QStringView(document).sliced(copied);
    split.rest = rest.toUtf8();
    return split;
}

} // namespace flange
