// svg_outlines: turns the texts of the stored drawings into glyph outlines at build time.
// Usage: svg_outlines SOURCE_DIR OUTPUT_DIR [--font FAMILY STYLE FILE]... [--keep FAMILY]...
//                     -- DRAWING.svg...
// Each drawing (a path relative to SOURCE_DIR) is written under OUTPUT_DIR at the same relative
// path, with its texts in the given fonts as outlines and the kept families as texts.

#include "svg_outlines/glyph_outlines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the font engines come with it
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: svg_outlines SOURCE_DIR OUTPUT_DIR [--font FAMILY STYLE "
                             "FILE]... [--keep FAMILY]... -- DRAWING.svg...\n");
        return 2;
    }
    const QDir source(args[1]);
    const QDir output(args[2]);
    flange::tools::OutlineFonts fonts;
    std::set<QString> kept;
    qsizetype i = 3;
    for (; i < args.size() && args[i] != QLatin1String("--"); ++i) {
        if (args[i] == QLatin1String("--font") && i + 3 < args.size()) {
            if (!fonts.add(args[i + 1], args[i + 2], args[i + 3])) {
                std::fprintf(stderr, "svg_outlines: %s is no font\n", qPrintable(args[i + 3]));
                return 1;
            }
            i += 3;
        } else if (args[i] == QLatin1String("--keep") && i + 1 < args.size()) {
            kept.insert(args[++i]);
        } else {
            std::fprintf(stderr, "svg_outlines: unknown argument %s\n", qPrintable(args[i]));
            return 2;
        }
    }
    for (++i; i < args.size(); ++i) {
        QFile in(source.filePath(args[i]));
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "svg_outlines: cannot read %s\n", qPrintable(in.fileName()));
            return 1;
        }
        const auto outlined = flange::tools::outlineTexts(in.readAll(), fonts, kept);
        if (!outlined.error.isEmpty()) {
            std::fprintf(stderr, "svg_outlines: %s: %s\n", qPrintable(args[i]),
                         qPrintable(outlined.error));
            return 1;
        }
        const QString target = output.filePath(args[i]);
        QDir().mkpath(QFileInfo(target).path());
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(outlined.svg) != outlined.svg.size() || !out.flush()) {
            std::fprintf(stderr, "svg_outlines: cannot write %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
