#pragma once

// Runs the poppler command-line tools on a PDF file and reads what they print.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace flange::testing {

inline bool havePdfTools()
{
    for (const char* tool : {"pdfinfo", "pdffonts", "pdftotext"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

// What the tool printed, or nothing when it could not run or failed.
inline std::optional<QString> runPdfTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPageCount(const QString& file)
{
    const auto info = runPdfTool("pdfinfo", {file});
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(info.value_or(QString()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The size line of every page, e.g. "595 x 842 pts (A4)".
inline QStringList pdfPageSizes(const QString& file)
{
    const auto info = runPdfTool("pdfinfo", {"-f", "1", "-l", "99", file}).value_or(QString());
    QStringList sizes;
    auto it = QRegularExpression(R"(Page\s+\d+ size:\s+(.*))").globalMatch(info);
    while (it.hasNext())
        sizes << it.next().captured(1).trimmed();
    return sizes;
}

struct PdfWord {
    int page = 0;    // from 1
    double left = 0; // points from the page's left edge
    double top = 0;  // points from the page's top edge
    QString text;
};

inline std::vector<PdfWord> pdfWords(const QString& file)
{
    const auto xml = runPdfTool("pdftotext", {"-bbox", file, "-"}).value_or(QString());
    static const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">(.*?)</word>)re");
    std::vector<PdfWord> words;
    int page = 0;
    auto it = item.globalMatch(xml);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        QString text = m.captured(3);
        text.replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"")
            .replace("&apos;", "'");
        text.replace("&amp;", "&");
        words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), text});
    }
    return words;
}

} // namespace flange::testing
