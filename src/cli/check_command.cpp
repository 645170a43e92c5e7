#include "cli/check_command.h"

#include "cli/check_arguments.h"
#include "cli/design_source.h"
#include "cli/report_targets.h"
#include "cli/run_output.h"
#include "cli/shown_text.h"
#include "io/file_error_text.h"
#include "report/report_fit.h"
#include "report/report_pdf.h"
#include "suggest/suggestions.h"

#include <QDir>

#include <algorithm>
#include <iterator>
#include <memory>

namespace flange {

namespace {

QByteArray message(const QString& text)
{
    return QStringLiteral("flangecheck-cli: %1\n").arg(text).toUtf8();
}

// The calculation reports of a run: where each goes, and the drawings shared by all of them.
class ReportWriter {
public:
    ReportWriter(const CheckOptions& options)
        : options_(options), targets_(options.files), pictures_(std::make_shared<PictureLibrary>())
    {
    }

    // Why the folder of --pdf-dir cannot take reports; nothing when it can (it is made if need be).
    std::optional<QString> folderProblem() const
    {
        if (!options_.pdfDir)
            return std::nullopt;
        const QString shown = shownFileName(*options_.pdfDir);
        const auto dir = exactFileName(*options_.pdfDir);
        if (!dir)
            return QStringLiteral(
                       "フォルダー「%1」に書き出せません（名前が UTF-8 ではありません）。")
                .arg(shown);
        if (!QDir().mkpath(*dir))
            return QStringLiteral("フォルダー「%1」を作れません。").arg(shown);
        return std::nullopt;
    }

    // Writes the report of the design read from `designFile`; the message when it was not written.
    std::optional<QString> write(const QByteArray& designFile, const WalkResult& walk)
    {
        const QByteArray target =
            options_.pdfPath ? *options_.pdfPath : targets_.inFolder(*options_.pdfDir, designFile);
        if (auto refusal = targets_.refusal(target))
            return refusal;
        if (const auto tooWide = fieldTooWideForReport(walk.record))
            return QStringLiteral("計算書を「%1」に書き出せません（%2）。")
                .arg(shownFileName(target), tooWideForReportReason(*tooWide));
        Result<void> written = writeReportPdf(walk.record, QString::fromUtf8(target), pictures_);
        if (written)
            return std::nullopt;
        written.error().path = shownFileName(target);
        return reportFileErrorText(written.error());
    }

private:
    const CheckOptions& options_;
    ReportTargets targets_;
    std::shared_ptr<PictureLibrary> pictures_;
};

class BufferSink : public CheckSink {
public:
    void out(QByteArrayView bytes) override { out_ += bytes; }
    void err(QByteArrayView bytes) override { err_ += bytes; }
    QByteArray out_, err_;
};

} // namespace

void RunTally::add(WalkStatus status, bool hasHints)
{
    switch (status) {
    case WalkStatus::Ok:
        ++ok;
        hinted += hasHints ? 1 : 0;
        break;
    case WalkStatus::Ng: ++ng; break;
    case WalkStatus::MissingInput: ++missingInput; break;
    }
}

int RunTally::exitStatus(bool strict) const
{
    if (fileErrors)
        return checkExitUsageOrFile;
    if (missingInput)
        return checkExitMissingInput;
    if (ng)
        return checkExitNg;
    if (strict && hinted)
        return checkExitHints;
    return checkExitOk;
}

bool wantsReports(const QByteArrayList& arguments)
{
    const CheckOptions options = parseCheckArguments(arguments).options;
    return options.pdfPath || options.pdfDir;
}

int runCheckCommand(const QByteArrayList& arguments, CheckSink& sink)
{
    const ParsedCheckArguments parsed = parseCheckArguments(arguments);
    const CheckOptions& options = parsed.options;
    if (options.help) {
        sink.out(checkCommandHelp().toUtf8());
        return checkExitOk;
    }
    if (options.version) {
        sink.out(checkCommandVersion().toUtf8());
        return checkExitOk;
    }
    if (!parsed.error.isEmpty()) {
        sink.err(message(parsed.error + u'\n' + checkCommandUsage()));
        return checkExitUsageOrFile;
    }

    std::optional<ReportWriter> reports;
    if (options.pdfPath || options.pdfDir) {
        reports.emplace(options);
        if (const auto problem = reports->folderProblem()) {
            sink.err(message(*problem));
            return checkExitUsageOrFile;
        }
    }

    RunTally tally;
    RunOutput output(options.format, options.files.size());
    sink.out(output.begin());
    for (qsizetype i = 0; i < options.files.size(); ++i) {
        const QByteArray& file = options.files[i];
        const QString shown = shownFileName(file);
        const DesignSource source = readDesignSource(file);
        if (!source.design) {
            ++tally.fileErrors;
            const QString error = fileErrorText(source.design.error(), ReasonPlacement::SameLine);
            sink.err(message(error));
            sink.out(output.unreadable(shown, error));
        } else {
            const WalkResult walk = walkDesign(source.design.value());
            // What reading the file noticed comes first: it explains the rest.
            std::vector<Hint> hints = source.hints;
            hints.insert(hints.end(), walk.hints.begin(), walk.hints.end());
            tally.add(walk.status, !hints.empty());
            std::optional<std::vector<Suggestion>> suggestions;
            if (options.suggest)
                suggestions = findSuggestions(source.design.value(), walk);
            sink.out(output.design(shown, walk, hints, suggestions ? &*suggestions : nullptr));
            if (reports) {
                if (const auto problem = reports->write(file, walk)) {
                    ++tally.fileErrors;
                    sink.err(message(*problem));
                }
            }
        }
        sink.progress(i + 1, options.files.size());
    }
    sink.out(output.end());
    return tally.exitStatus(options.strict);
}

CheckCommandResult runCheckCommand(const QByteArrayList& arguments)
{
    BufferSink sink;
    const int exitCode = runCheckCommand(arguments, sink);
    return {exitCode, sink.out_, sink.err_};
}

} // namespace flange
