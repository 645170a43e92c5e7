#include "io/file_error_text.h"

#include "io/design_file.h"

#include <QDir>

namespace flange {

namespace {

QString withReason(const QString& text, const QString& reason, ReasonPlacement placement)
{
    if (reason.isEmpty())
        return text;
    return (placement == ReasonPlacement::OwnLine ? QStringLiteral("%1\n（%2）")
                                                  : QStringLiteral("%1（%2）"))
        .arg(text, reason);
}

QString refusedText(const FileError& error, const QString& why)
{
    return QStringLiteral("「%1」の値は保存できません。%2").arg(error.field, why);
}

} // namespace

QString fileErrorText(const FileError& error, ReasonPlacement reason)
{
    const QString file = QDir::toNativeSeparators(error.path);
    switch (error.kind) {
    case FileErrorKind::NotFound:
        return QStringLiteral("ファイル「%1」が見つかりません。").arg(file);
    case FileErrorKind::NameNotUtf8:
        return QStringLiteral("ファイル「%1」の名前はUTF-8ではないため、ここからは開けません。"
                              "名前を変えるか、ファイルをこのプログラムに渡して開いてください。")
            .arg(file);
    case FileErrorKind::Folder:
        return QStringLiteral("「%1」はフォルダーです。鋼管仕口ファイルを選んでください。")
            .arg(file);
    case FileErrorKind::NotRegularFile:
        return QStringLiteral("「%1」は通常のファイルではありません。").arg(file);
    case FileErrorKind::TooLarge:
        return QStringLiteral("ファイル「%1」は大きすぎます（1 MiB "
                              "を超えています）。鋼管仕口ファイルではありません。")
            .arg(file);
    case FileErrorKind::FieldTooLong:
        return QStringLiteral("ファイル「%1」の「%2」は長すぎます（%3 文字を超えています）。"
                              "鋼管仕口ファイルではありません。")
            .arg(file, error.field)
            .arg(maxInputLength);
    case FileErrorKind::Unreadable:
        return withReason(QStringLiteral("ファイル「%1」を読み込めません。").arg(file),
                          error.reason, reason);
    case FileErrorKind::Unwritable:
        return withReason(QStringLiteral("ファイル「%1」に保存できませんでした。").arg(file),
                          error.reason, reason);
    case FileErrorKind::QuoteInText:
        return refusedText(
            error, QStringLiteral(
                       "ダブルクォーテーション（\"）を含む文字列は設計ファイルに保存できません。"));
    case FileErrorKind::UnstorableCharacter:
        return refusedText(
            error, QStringLiteral("文字「%1」はShift_JIS（コードページ932）で保存できません。")
                       .arg(error.character));
    case FileErrorKind::NoConverter:
        return QStringLiteral("Shift_JIS（コードページ932）の変換が使えません。");
    }
    return {};
}

QString reportFileErrorText(const FileError& error)
{
    const QString written =
        QStringLiteral("計算書を「%1」に書き出せませんでした。").arg(error.path);
    if (error.kind == FileErrorKind::NotRegularFile)
        return written + QStringLiteral("通常のファイルではありません。");
    return withReason(written, error.reason, ReasonPlacement::SameLine);
}

} // namespace flange
