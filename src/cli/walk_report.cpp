#include "cli/walk_report.h"

#include "calc/field_catalog.h"
#include "cli/hint_report.h"
#include "cli/json_text.h"
#include "cli/shown_text.h"
#include "cli/suggestion_report.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace flange {

namespace {

// The section heading each judgement stands under, in the order of judgementInfos().
constexpr std::array<std::string_view, 4> judgementHeadings{
    sectionHeading(Step::A), sectionHeading(Step::BThickness), sectionHeading(Step::C),
    sectionHeading(Step::D)};

// The step's section heading; the two plate steps told apart by what they check.
QString stepHeading(Step step)
{
    const QString heading = QString::fromUtf8(sectionHeading(step));
    if (step == Step::BShape)
        return heading + QStringLiteral("（形状）");
    if (step == Step::BThickness)
        return heading + QStringLiteral("（板厚）");
    return heading;
}

QString conclusion(const WalkResult& walk)
{
    const QString where = stepHeading(walk.step);
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

QByteArrayView bytes(std::string_view s) { return QByteArrayView(s.data(), qsizetype(s.size())); }

void appendFieldLines(QByteArray& out, const DesignRecord& record,
                      std::span<const FieldInfo> fields)
{
    for (const FieldInfo& info : fields) {
        const std::string& value = record.*info.field;
        out += "  ";
        out += bytes(info.caption);
        out += ": ";
        appendWithVisibleControls(out, value);
        if (!value.empty() && !info.unit.empty()) {
            out += ' ';
            out += bytes(info.unit);
        }
        out += '\n';
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

QByteArray plainReport(const QString& file, const WalkResult& walk, const std::vector<Hint>& hints,
                       const std::vector<Suggestion>* suggestions)
{
    QByteArray out;
    out.reserve(2048);
    out += "［ファイル］ " + file.toUtf8() + "\n［入力］\n";
    appendFieldLines(out, walk.record, inputFieldInfos());
    out += "［結果］\n";
    appendFieldLines(out, walk.record, resultFieldInfos());
    out += "［判定］\n";
    const auto judgements = judgementInfos();
    for (std::size_t i = 0; i < judgements.size(); ++i) {
        const JudgementLabel& judgement = walk.record.*judgements[i].field;
        out += "  ";
        out += bytes(judgementHeadings[i]);
        out += ": ";
        if (judgement.shown)
            appendWithVisibleControls(out, judgement.text);
        else
            out += "（表示なし）";
        out += '\n';
    }
    appendPlainHints(out, hints);
    out += "［結論］ " + conclusion(walk).toUtf8() + '\n';
    if (suggestions)
        appendPlainSuggestions(out, *suggestions, walk.record);
    return out;
}

QByteArray jsonReport(const QString& file, const WalkResult& walk, const std::vector<Hint>& hints,
                      JsonLayout layout, const std::vector<Suggestion>* suggestions)
{
    // Members in the order of their names, as QJsonObject keeps them.
    static const std::vector<const FieldInfo*> fieldsByName = [] {
        std::vector<const FieldInfo*> all;
        for (const auto infos : {inputFieldInfos(), resultFieldInfos()})
            for (const FieldInfo& info : infos)
                all.push_back(&info);
        std::ranges::sort(all, {}, &FieldInfo::name);
        return all;
    }();
    static const std::vector<const JudgementInfo*> judgementsByName = [] {
        std::vector<const JudgementInfo*> all;
        for (const JudgementInfo& info : judgementInfos())
            all.push_back(&info);
        std::ranges::sort(all, {}, &JudgementInfo::name);
        return all;
    }();

    JsonText json(layout.indented, layout.level);
    json.beginObject();
    json.beginObject("fields");
    for (const FieldInfo* info : fieldsByName)
        json.member(info->name, walk.record.*info->field);
    json.endObject();
    json.member("file", file.toStdString());
    writeJsonHints(json, hints);
    json.member("status", statusName(walk.status));
    json.member("step", stepName(walk.step));
    if (suggestions)
        writeJsonSuggestions(json, *suggestions, walk.record);
    json.beginObject("verdicts");
    for (const JudgementInfo* info : judgementsByName) {
        const JudgementLabel& judgement = walk.record.*info->field;
        json.beginObject(info->name);
        json.member("shown", judgement.shown);
        json.member("text", judgement.text);
        json.endObject();
    }
    json.endObject();
    json.endObject();
    return json.take();
}

QByteArray jsonError(const QString& file, const QString& error, JsonLayout layout)
{
    JsonText json(layout.indented, layout.level);
    json.beginObject();
    json.member("error", error.toStdString());
    json.member("file", file.toStdString());
    json.endObject();
    return json.take();
}

QStringList csvColumns()
{
    QStringList columns{QStringLiteral("file"), QStringLiteral("step"), QStringLiteral("status")};
    for (const FieldInfo& info : resultFieldInfos())
        columns += QString::fromUtf8(info.name);
    for (const JudgementInfo& info : judgementInfos())
        columns +=
            {QString::fromUtf8(info.name), QString::fromUtf8(info.name) + QStringLiteral("Shown")};
    columns += QStringLiteral("error");
    return columns;
}

QStringList csvCells(const QString& file, const WalkResult& walk)
{
    QStringList cells{file, QString::fromUtf8(stepName(walk.step)),
                      QString::fromUtf8(statusName(walk.status))};
    for (const FieldInfo& info : resultFieldInfos())
        cells += QString::fromUtf8(walk.record.*info.field);
    for (const JudgementInfo& info : judgementInfos()) {
        const JudgementLabel& judgement = walk.record.*info.field;
        cells += {QString::fromUtf8(judgement.text),
                  judgement.shown ? QStringLiteral("true") : QStringLiteral("false")};
    }
    cells += QString();
    return cells;
}

} // namespace flange
