#include "ui/main/hint_marks.h"

#include "calc/field_catalog.h"
#include "ui/common/gothic_font.h"
#include "ui/common/twips.h"
#include "ui/main/bolt_size_box.h"
#include "ui/main/hint_mark.h"
#include "ui/main/input_pane.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace flange {

namespace {

// The free space of the plate-thickness step page below the α0 row, above the buttons.
constexpr QRect chartLineTwips{90, 3720, 4720, 1000};
const QColor chartLineColour(0xA0, 0x40, 0x00);
constexpr int markGapPixels = 3;

bool isChartHint(const Hint& hint)
{
    return hint.kind == HintKind::Alpha0BelowChart || hint.kind == HintKind::RatioOutsideChart;
}

bool names(const Hint& hint, TextField field)
{
    return std::ranges::find(hint.fields, field) != hint.fields.end();
}

const QWidget* entryOf(const InputPane& pane, TextField field)
{
    if (field == &DesignRecord::boltSize)
        return pane.boltSizeBox();
    return pane.entryField(field);
}

} // namespace

HintMarks::HintMarks(InputPane* pane) : QObject(pane), pane_(pane), chartLine_(new QLabel(pane))
{
    for (const FieldInfo& input : inputFieldInfos()) {
        auto* mark = new HintMark(pane);
        mark->setObjectName(QString::fromUtf8(input.control) + QStringLiteral("Hint"));
        marks_.emplace_back(input.field, mark);
    }
    chartLine_->setObjectName(QStringLiteral("Alpha0Hint"));
    chartLine_->setGeometry(twipsRect(chartLineTwips));
    chartLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chartLine_->setWordWrap(true);
    chartLine_->setFont(gothicFont());
    QPalette palette = chartLine_->palette();
    palette.setColor(QPalette::WindowText, chartLineColour);
    chartLine_->setPalette(palette);
    chartLine_->hide();
}

void HintMarks::showHints(const std::vector<Hint>& hints, Step step)
{
    for (const auto& [field, mark] : marks_) {
        QStringList messages;
        for (const Hint& hint : hints) {
            if (names(hint, field))
                messages << QString::fromStdString(hint.message);
        }
        const QWidget* entry = entryOf(*pane_, field);
        const bool shown = !messages.isEmpty() && entry && entry->isVisibleTo(pane_);
        mark->setToolTip(messages.join(QLatin1Char('\n')));
        if (shown) {
            placeMark(field, mark);
            mark->raise();
        }
        mark->setVisible(shown);
    }

    const auto chartHint = std::ranges::find_if(hints, isChartHint);
    const bool lineShown = chartHint != hints.end() && step == Step::BThickness;
    chartLine_->setText(lineShown ? QString::fromStdString(chartHint->message) : QString());
    chartLine_->setVisible(lineShown);
}

HintMark* HintMarks::markOf(TextField field) const
{
    const auto it = std::ranges::find(marks_, field, &std::pair<TextField, HintMark*>::first);
    return it == marks_.end() ? nullptr : it->second;
}

// Just after the end of the caption's first line, level with the entry field, and inside the pane.
void HintMarks::placeMark(TextField field, HintMark* mark) const
{
    const QLabel* caption = pane_->captionLabel(field);
    const QWidget* entry = entryOf(*pane_, field);
    const QString firstLine = caption->text().section(QLatin1Char('\n'), 0, 0);
    const int textEnd = caption->x() + caption->contentsMargins().left()
                        + caption->fontMetrics().horizontalAdvance(firstLine);
    const int left = std::min(textEnd + markGapPixels, pane_->width() - HintMark::side);
    const int top = entry->y() + (entry->height() - HintMark::side) / 2;
    mark->move(left, top);
}

} // namespace flange
