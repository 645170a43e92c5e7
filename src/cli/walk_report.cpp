#include "cli/walk_report.h"

#include "calc/field_catalog.h"
#include "calc/hints.h"
#include "cli/hint_report.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace flange {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The section heading each judgement stands under, in the order of verdictInfos().
constexpr std::array<std::string_view, 4> verdictHeadings{
    "Ａ.ボルトの算定", "Ｂ.フランジプレート", "Ｃ.リブプレート", "Ｄ.溶接"};

std::string_view stepHeading(Step step)
{
    switch (step) {
    case Step::A: return "Ａ.ボルトの算定";
    case Step::BShape: return "Ｂ.フランジプレート（形状）";
    case Step::BThickness: return "Ｂ.フランジプレート（板厚）";
    case Step::C: return "Ｃ.リブプレート";
    case Step::D: return "Ｄ.溶接";
    }
    return {};
}

QString conclusion(const WalkResult& walk)
{
    const QString where = text(stepHeading(walk.step));
    switch (walk.status) {
    case WalkStatus::Ok:
        return QStringLiteral("ＯＫ（%1まで計算し、すべての判定がＯＫです）").arg(where);
    case WalkStatus::Ng:
        if (walk.step == Step::D)
            return QStringLiteral("ＮＧ（%1まで計算し、ＮＧの判定があります）").arg(where);
        return QStringLiteral("ＮＧ（%1で先へ進めません）").arg(where);
    case WalkStatus::MissingInput:
        return QStringLiteral("数値が入力されていません。（%1）").arg(where);
    }
    return {};
}

void appendFieldLines(QString& out, const DesignRecord& record, std::span<const FieldInfo> fields)
{
    for (const FieldInfo& info : fields) {
        const std::string& value = record.*info.field;
        out += QStringLiteral("  %1: %2").arg(text(info.caption), text(value));
        if (!value.empty() && !info.unit.empty())
            out += u' ' + text(info.unit);
        out += u'\n';
    }
}

} // namespace

std::string_view stepName(Step step)
{
    switch (step) {
    case Step::A: return "A";
    case Step::BShape: return "B-shape";
    case Step::BThickness: return "B-thickness";
    case Step::C: return "C";
    case Step::D: return "D";
    }
    return {};
}

std::string_view statusName(WalkStatus status)
{
    switch (status) {
    case WalkStatus::Ok: return "ok";
    case WalkStatus::Ng: return "ng";
    case WalkStatus::MissingInput: return "missing-input";
    }
    return {};
}

QByteArray plainReport(const WalkResult& walk)
{
    QString out = QStringLiteral("［入力］\n");
    appendFieldLines(out, walk.record, inputFieldInfos());
    out += QStringLiteral("［結果］\n");
    appendFieldLines(out, walk.record, resultFieldInfos());
    out += QStringLiteral("［判定］\n");
    const auto verdicts = verdictInfos();
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        const Judgement& judgement = walk.record.*verdicts[i].field;
        out += QStringLiteral("  %1: %2\n")
                   .arg(text(verdictHeadings[i]),
                        judgement.shown ? text(judgement.text) : QStringLiteral("（表示なし）"));
    }
    out += plainHintSection(findHints(walk.record));
    out += QStringLiteral("［結論］ %1\n").arg(conclusion(walk));
    return out.toUtf8();
}

QByteArray jsonReport(const WalkResult& walk)
{
    QJsonObject fields;
    for (const auto infos : {inputFieldInfos(), resultFieldInfos()})
        for (const FieldInfo& info : infos)
            fields.insert(text(info.name), text(walk.record.*info.field));
    QJsonObject verdicts;
    for (const VerdictInfo& info : verdictInfos()) {
        const Judgement& judgement = walk.record.*info.field;
        verdicts.insert(text(info.name),
                        QJsonObject{{QStringLiteral("text"), text(judgement.text)},
                                    {QStringLiteral("shown"), judgement.shown}});
    }
    const QJsonObject root{
        {QStringLiteral("step"), text(stepName(walk.step))},
        {QStringLiteral("status"), text(statusName(walk.status))},
        {QStringLiteral("fields"), fields},
        {QStringLiteral("verdicts"), verdicts},
        {QStringLiteral("hints"), jsonHints(findHints(walk.record))},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace flange
