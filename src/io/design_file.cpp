#include "io/design_file.h"

#include "calc/field_catalog.h"
#include "io/cp932_text.h"
#include "io/design_fields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace flange {

namespace {

constexpr std::size_t fieldsInFirstRecord = 7;

QString captionOf(std::size_t index)
{
    const std::string_view caption = inputFieldInfos()[index].caption;
    return QString::fromUtf8(caption.data(), qsizetype(caption.size()));
}

// Why a text cannot be stored, or nothing when it can.
std::optional<QString> refusalOf(const QString& text)
{
    if (text.contains(u'"'))
        return QStringLiteral("ダブルクォーテーション（\"）を含む文字列は設計ファイルに保存できません。");
    if (!encodeCp932(text))
        return QStringLiteral("文字「%1」はShift_JIS（コードページ932）で保存できません。")
            .arg(firstUnstorableCharacter(text));
    return std::nullopt;
}

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

DesignFileResult failure(const QString& message) { return {false, message}; }

} // namespace

DesignInputs inputsOf(const DesignRecord& record)
{
    DesignInputs inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i] = record.*inputFieldsInFileOrder[i];
    return inputs;
}

void applyInputs(DesignRecord& record, const DesignInputs& inputs)
{
    for (std::size_t i = 0; i < inputs.size(); ++i)
        record.*inputFieldsInFileOrder[i] = inputs[i];
}

EncodedDesign encodeDesignFile(const DesignInputs& inputs)
{
    EncodedDesign result;
    if (!cp932Available()) {
        result.refusedReason = QStringLiteral("Shift_JIS（コードページ932）の変換が使えません。");
        return result;
    }
    QByteArray bytes;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const QString text = QString::fromStdString(inputs[i]);
        if (const auto reason = refusalOf(text)) {
            result.refusedCaption = captionOf(i);
            result.refusedReason = *reason;
            return result;
        }
        bytes += '"';
        bytes += *encodeCp932(text);
        bytes += '"';
        const bool endsRecord = i + 1 == fieldsInFirstRecord || i + 1 == inputs.size();
        bytes += endsRecord ? "\r\n" : ",";
    }
    result.bytes = bytes;
    return result;
}

DesignInputs decodeDesignFile(QByteArrayView bytes)
{
    DesignInputs inputs;
    const auto fields = splitDesignFields(bytes, inputs.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (const auto text = decodeCp932(fields[i]))
            inputs[i] = text->toStdString();
    }
    return inputs;
}

DesignFileResult readDesignFile(const QString& path, DesignInputs& inputs)
{
    inputs = {};
    const QFileInfo info(path);
    if (!info.exists())
        return failure(QStringLiteral("ファイル「%1」が見つかりません。").arg(shownPath(path)));
    if (info.isDir())
        return failure(QStringLiteral("「%1」はフォルダーです。鋼管仕口ファイルを選んでください。")
                           .arg(shownPath(path)));
    // Devices, pipes and sockets are refused before opening: reading one could block or never end.
    if (!info.isFile())
        return failure(QStringLiteral("「%1」は通常のファイルではありません。").arg(shownPath(path)));
    const QString tooLarge =
        QStringLiteral("ファイル「%1」は大きすぎます（1 MiB を超えています）。鋼管仕口ファイルではありません。")
            .arg(shownPath(path));
    if (info.size() > maxDesignFileBytes)
        return failure(tooLarge);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("ファイル「%1」を読み込めません。").arg(shownPath(path)));
    // One byte more than allowed shows a file that grew after its size was looked at.
    const QByteArray bytes = file.read(maxDesignFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(QStringLiteral("ファイル「%1」を読み込めません。").arg(shownPath(path)));
    if (bytes.size() > maxDesignFileBytes)
        return failure(tooLarge);
    inputs = decodeDesignFile(bytes);
    return {true, {}};
}

DesignFileResult writeDesignFile(const QString& path, const DesignInputs& inputs)
{
    const EncodedDesign encoded = encodeDesignFile(inputs);
    if (!encoded.bytes) {
        if (encoded.refusedCaption.isEmpty())
            return failure(encoded.refusedReason);
        return failure(QStringLiteral("「%1」の値は保存できません。%2")
                           .arg(encoded.refusedCaption, encoded.refusedReason));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*encoded.bytes) != encoded.bytes->size()
        || !file.commit())
        return failure(QStringLiteral("ファイル「%1」に保存できませんでした。").arg(shownPath(path)));
    return {true, {}};
}

} // namespace flange
