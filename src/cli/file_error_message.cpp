#include "cli/file_error_message.h"

#include <QDir>

namespace flange {

namespace {

QString withReason(const QString& text, const QString& reason)
{
    return reason.isEmpty() ? text : QStringLiteral("%1（%2）").arg(text, reason);
}

} // namespace

QString designFileErrorMessage(const FileError& error)
{
    const QString file = QDir::toNativeSeparators(error.path);
    switch (error.kind) {
    case FileErrorKind::NotFound:
        return QStringLiteral("ファイル「%1」が見つかりません。").arg(file);
    case FileErrorKind::Folder:
        return QStringLiteral("「%1」はフォルダーです。鋼管仕口ファイルを選んでください。")
            .arg(file);
    case FileErrorKind::NotRegularFile:
        return QStringLiteral("「%1」は通常のファイルではありません。").arg(file);
    case FileErrorKind::TooLarge:
        return QStringLiteral("ファイル「%1」は大きすぎます（1 MiB "
                              "を超えています）。鋼管仕口ファイルではありません。")
            .arg(file);
    default:
        return withReason(QStringLiteral("ファイル「%1」を読み込めません。").arg(file),
                          error.reason);
    }
}

QString reportFileErrorMessage(const FileError& error)
{
    const QString written =
        QStringLiteral("計算書を「%1」に書き出せませんでした。").arg(error.path);
    if (error.kind == FileErrorKind::NotRegularFile)
        return written + QStringLiteral("通常のファイルではありません。");
    return withReason(written, error.reason);
}

} // namespace flange
