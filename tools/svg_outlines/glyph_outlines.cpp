#include "svg_outlines/glyph_outlines.h"

#include <QPainterPath>
#include <QRegularExpression>

namespace flange::tools {

namespace {

// Coordinates in whole units of the drawing, which are twips (1/1440 inch) at the size the
// drawings are shown and printed: finer than a printer resolves, and short in a printed page.
QByteArray number(qreal value) { return QByteArray::number(qRound64(value)); }

QByteArray point(const QPointF& p) { return number(p.x()) + ' ' + number(p.y()); }

// SVG path data of a painter path: M, L, C and Z.
QByteArray pathData(const QPainterPath& path)
{
    QByteArray d;
    QPointF start;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (!d.isEmpty())
                d += 'Z';
            d += 'M' + point(e);
            start = e;
            break;
        case QPainterPath::LineToElement: d += 'L' + point(e); break;
        case QPainterPath::CurveToElement:
            d += 'C' + point(e) + ' ' + point(path.elementAt(i + 1)) + ' '
                 + point(path.elementAt(i + 2));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement: break;
        }
    }
    if (!d.isEmpty())
        d += 'Z';
    return d;
}

QString unescaped(const QString& xml)
{
    QString text = xml;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    // Runs of white space are one space, as the renderer shows them.
    return text.simplified();
}

} // namespace

bool OutlineFonts::add(const QString& family, const QString& style, const QString& file)
{
    QRawFont font(file, 100, QFont::PreferNoHinting);
    if (!font.isValid())
        return false;
    fonts_[{family, style}] = font;
    return true;
}

const QRawFont* OutlineFonts::find(const QString& family, const QString& style) const
{
    const auto it = fonts_.find({family, style});
    return it == fonts_.end() ? nullptr : &it->second;
}

OutlinedSvg outlineTexts(const QByteArray& svg, const OutlineFonts& fonts,
                         const std::set<QString>& kept)
{
    static const QRegularExpression textElement(QStringLiteral(R"(<text\b([^>]*)>([^<]*)</text>)"));
    static const QRegularExpression attribute(QStringLiteral(R"(([\w:-]+)="([^"]*)\")"));
    static const std::set<QString> known{
        QStringLiteral("x"),         QStringLiteral("y"),          QStringLiteral("font-family"),
        QStringLiteral("font-size"), QStringLiteral("font-style"), QStringLiteral("text-anchor"),
        QStringLiteral("fill")};

    const QString document = QString::fromUtf8(svg);
    QString out;
    qsizetype copied = 0;
    for (auto it = textElement.globalMatch(document); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        std::map<QString, QString> attributes;
        for (auto a = attribute.globalMatch(match.captured(1)); a.hasNext();) {
            const auto m = a.next();
            if (!known.contains(m.captured(1)))
                return {{}, QStringLiteral("a text with the attribute %1").arg(m.captured(1))};
            attributes[m.captured(1)] = m.captured(2);
        }
        const QString family = attributes["font-family"];
        if (kept.contains(family))
            continue;
        const QString style = attributes["font-style"].isEmpty() ? QStringLiteral("normal")
                                                                 : attributes["font-style"];
        const QRawFont* font = fonts.find(family, style);
        if (!font)
            return {{}, QStringLiteral("no font file for %1 %2").arg(family, style)};

        const QString text = unescaped(match.captured(2));
        const QList<quint32> glyphs = font->glyphIndexesForString(text);
        if (glyphs.contains(0))
            return {{}, QStringLiteral("%1 %2 has no glyph for \"%3\"").arg(family, style, text)};
        const QList<QPointF> advances =
            font->advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
        const qreal scale = attributes["font-size"].toDouble() / font->pixelSize();
        qreal width = 0;
        for (const QPointF& advance : advances)
            width += advance.x();
        qreal x = attributes["x"].toDouble() / scale;
        if (attributes["text-anchor"] == QLatin1String("middle"))
            x -= width / 2;
        else if (attributes["text-anchor"] == QLatin1String("end"))
            x -= width;
        QPainterPath outline;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            outline.addPath(font->pathForGlyph(glyphs[i]).translated(x, 0));
            x += advances[i].x();
        }
        const QTransform place = QTransform::fromScale(scale, scale)
                                 * QTransform::fromTranslate(0, attributes["y"].toDouble());
        const QString fill =
            attributes["fill"].isEmpty() ? QStringLiteral("#000000") : attributes["fill"];

        out += document.mid(copied, match.capturedStart() - copied);
        out += QStringLiteral("<path fill=\"%1\" d=\"%2\"/>")
                   .arg(fill, QString::fromLatin1(pathData(place.map(outline))));
        copied = match.capturedEnd();
    }
    out += document.mid(copied);
    return {out.toUtf8(), {}};
}

} // namespace flange::tools
