#pragma once

// The texts of a drawing turned into the outlines of their glyphs, from given font files: a drawing
// so converted looks the same on every machine, whatever fonts it has, and a document it is
// printed into embeds no font for it.

#include <QByteArray>
#include <QRawFont>
#include <QString>

#include <map>
#include <optional>
#include <set>

namespace flange::tools {

// The font files of the faces a drawing's texts name, by family and style ("normal", "italic").
class OutlineFonts {
public:
    // False when the file is no font.
    bool add(const QString& family, const QString& style, const QString& file);
    const QRawFont* find(const QString& family, const QString& style) const;

private:
    std::map<std::pair<QString, QString>, QRawFont> fonts_;
};

struct OutlinedSvg {
    QByteArray svg;
    QString error; // when not empty: why the drawing could not be converted
};

// The SVG document with each <text> element set in one of `fonts` replaced by a filled <path> of
// its glyphs at the same place, size, anchor and colour; texts in a family of `kept` stay texts.
// Every other text is an error, as is a character the font has no glyph for.
OutlinedSvg outlineTexts(const QByteArray& svg, const OutlineFonts& fonts,
                         const std::set<QString>& kept);

} // namespace flange::tools
