#include "cli/hint_report.h"

#include "calc/field_catalog.h"

#include <QJsonObject>

namespace flange {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

} // namespace

QString plainHintSection(const std::vector<Hint>& hints)
{
    if (hints.empty())
        return {};
    QString out = QStringLiteral("［注意］\n");
    for (const Hint& hint : hints)
        out += QStringLiteral("  %1\n").arg(QString::fromStdString(hint.message));
    return out;
}

QJsonArray jsonHints(const std::vector<Hint>& hints)
{
    QJsonArray array;
    for (const Hint& hint : hints) {
        QJsonArray fields;
        for (TextField field : hint.fields)
            fields.append(text(fieldInfo(field).name));
        QJsonObject object{{QStringLiteral("kind"), text(hintKindName(hint.kind))},
                           {QStringLiteral("fields"), fields},
                           {QStringLiteral("message"), QString::fromStdString(hint.message)}};
        if (hint.chart)
            object.insert(QStringLiteral("chart"), *hint.chart);
        array.append(object);
    }
    return array;
}

} // namespace flange
