#pragma once

// Takes the plain texts out of a stored drawing, so that they can be set as real text.
//
// The SVG renderer draws every text as glyph outlines, which makes a printed page heavy and slow
// and leaves its text unreadable to programs. The drawings keep their texts simple (each one a
// direct child of the <svg> element, placed by one x and y, with a family, size, style, anchor
// and fill), and those are lifted out here; any text that is not that simple stays in the
// document for the renderer to draw as before.

#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace flange {

struct SvgText {
    QString text;     // with runs of white space reduced to one space, as the renderer does
    QPointF baseline; // x, y in the drawing's user units: the start of the text's baseline
    QString family;
    qreal size = 0; // user units
    bool italic = false;
    bool bold = false;
    Qt::Alignment anchor = Qt::AlignLeft; // start, middle or end at x
    QColor fill;
};

struct SvgTextSplit {
    QByteArray rest;            // the document without the lifted texts
    std::vector<SvgText> texts; // in document order
};

// Splits an SVG document; nothing when it is not well-formed XML.
std::optional<SvgTextSplit> splitSvgTexts(const QByteArray& svg);

} // namespace flange
