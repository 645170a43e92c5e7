#include "cli/hint_report.h"

#include "calc/alpha0_chart.h"
#include "calc/field_catalog.h"
#include "calc/number_text.h"
#include "cli/shown_text.h"

namespace flange {

void appendPlainHints(QByteArray& out, const std::vector<Hint>& hints)
{
    if (hints.empty())
        return;
    out += "［注意］\n";
    for (const Hint& hint : hints) {
        out += "  ";
        appendWithVisibleControls(out, hint.message);
        out += '\n';
    }
}

void writeJsonHints(JsonText& json, const std::vector<Hint>& hints)
{
    json.beginArray("hints");
    for (const Hint& hint : hints) {
        json.beginObject();
        if (hint.chart) {
            if (const auto chart = shownChartAlpha0(*hint.chart))
                json.numberMember("chart", chart->text);
        }
        json.beginArray("fields");
        for (TextField field : hint.fields)
            json.member({}, fieldInfo(field).name);
        json.endArray();
        json.member("kind", hintKindName(hint.kind));
        json.member("message", hint.message);
        json.endObject();
    }
    json.endArray();
}

} // namespace flange
