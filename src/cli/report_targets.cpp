#include "cli/report_targets.h"

#include "cli/shown_text.h"
#include "io/cp932_text.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace flange {

namespace {

std::optional<FileIdentity> identityOf(const QByteArray& designFile)
{
    if (designFile == standardInputName) {
        struct stat status {};
        if (::fstat(STDIN_FILENO, &status) != 0 || !S_ISREG(status.st_mode))
            return std::nullopt;
        return FileIdentity{status.st_dev, status.st_ino};
    }
    const ExistingFile file = lookUpFile(designFile);
    return file.exists ? std::optional(file.identity) : std::nullopt;
}

// The report's name for a design file name: as it stands when it is UTF-8, else read as code page
// 932 (names from Windows archives), else with the odd bytes written as "\xHH".
QString reportBaseName(const QByteArray& designFile)
{
    if (designFile == standardInputName)
        return QStringLiteral("stdin");
    QByteArray base = designFile.mid(designFile.lastIndexOf('/') + 1);
    if (const qsizetype dot = base.lastIndexOf('.'); dot > 0)
        base.truncate(dot);
    if (const auto exact = exactFileName(base))
        return *exact;
    if (const auto cp932 = decodeCp932(base))
        return *cp932;
    return shownFileName(base);
}

} // namespace

ReportTargets::ReportTargets(const QByteArrayList& designFiles)
{
    for (const QByteArray& file : designFiles)
        if (const auto identity = identityOf(file))
            designs_.push_back(*identity);
}

std::optional<QString> ReportTargets::refusal(const QByteArray& target) const
{
    const QString shown = shownFileName(target);
    if (!exactFileName(target))
        return QStringLiteral("計算書を「%1」に書き出せません（名前が UTF-8 ではありません）。")
            .arg(shown);
    const ExistingFile existing = lookUpFile(target);
    if (!existing.exists)
        return std::nullopt;
    if (!existing.regular)
        return QStringLiteral("計算書を「%1」に書き出せません（通常のファイルではありません）。")
            .arg(shown);
    if (std::ranges::find(designs_, existing.identity) != designs_.end())
        return QStringLiteral("計算書を「%1」に書き出せません（設計ファイルそのものです）。")
            .arg(shown);
    return std::nullopt;
}

QByteArray ReportTargets::inFolder(const QByteArray& dir, const QByteArray& designFile)
{
    const QString base = reportBaseName(designFile);
    QString name = base;
    for (int n = 2; given_.contains(name); ++n)
        name = QStringLiteral("%1-%2").arg(base).arg(n);
    given_.insert(name);
    QByteArray path = dir;
    if (!path.endsWith('/'))
        path += '/';
    return path + name.toUtf8() + ".pdf";
}

} // namespace flange
