#include "cli/run_output.h"

#include "cli/walk_report.h"

#include <algorithm>

namespace flange {

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

QString csvQuoted(const QString& cell)
{
    const bool plain = std::none_of(cell.begin(), cell.end(), [](QChar c) {
        return c == u'"' || c == u',' || c == u'\r' || c == u'\n';
    });
    if (plain)
        return cell;
    return u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

QString csvFileCell(const QString& file)
{
    const bool formulaLike = file.size() > 1 && QStringView(u"=+-@").contains(file.front());
    return formulaLike ? u'\'' + file : file;
}

QByteArray csvLine(const QStringList& cells)
{
    QStringList quoted;
    for (const QString& cell : cells)
        quoted += csvQuoted(cell);
    return (quoted.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

RunOutput::RunOutput(OutputFormat format, qsizetype fileOperands)
    : format_(format), jsonArray_(format == OutputFormat::Json && fileOperands > 1)
{
}

QByteArray RunOutput::begin() const
{
    switch (format_) {
    case OutputFormat::Json: return jsonArray_ ? QByteArray("[\n") : QByteArray();
    case OutputFormat::Csv: return byteOrderMark + csvLine(csvColumns());
    case OutputFormat::Plain:
    case OutputFormat::JsonLines: break;
    }
    return {};
}

QByteArray RunOutput::design(const QString& file, const WalkResult& walk,
                             const std::vector<Hint>& hints,
                             const std::vector<Suggestion>* suggestions)
{
    switch (format_) {
    case OutputFormat::Plain:
        return (entries_++ ? "\n" : "") + plainReport(file, walk, hints, suggestions);
    case OutputFormat::Csv: ++entries_; return csvLine(csvCells(csvFileCell(file), walk));
    case OutputFormat::Json:
    case OutputFormat::JsonLines: break;
    }
    return jsonEntry(jsonReport(file, walk, hints, jsonLayout(), suggestions));
}

QByteArray RunOutput::unreadable(const QString& file, const QString& error)
{
    switch (format_) {
    case OutputFormat::Plain: return {};
    case OutputFormat::Csv: {
        QStringList cells(csvColumns().size());
        cells.front() = csvFileCell(file);
        cells.back() = error;
        ++entries_;
        return csvLine(cells);
    }
    case OutputFormat::Json:
    case OutputFormat::JsonLines: break;
    }
    return jsonEntry(jsonError(file, error, jsonLayout()));
}

QByteArray RunOutput::end() const
{
    if (!jsonArray_)
        return {};
    return entries_ ? "\n]\n" : "]\n";
}

JsonLayout RunOutput::jsonLayout() const
{
    return {format_ == OutputFormat::Json, jsonArray_ ? 1 : 0};
}

QByteArray RunOutput::jsonEntry(const QByteArray& text)
{
    const bool first = entries_++ == 0;
    if (format_ == OutputFormat::JsonLines)
        return text + '\n';
    if (!jsonArray_)
        return text;
    return (first ? "    " : ",\n    ") + text; // indented one level further, apart by commas
}

} // namespace flange
