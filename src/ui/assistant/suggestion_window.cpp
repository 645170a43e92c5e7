#include "ui/assistant/suggestion_window.h"

#include "suggest/suggestion_text.h"
#include "ui/common/gothic_font.h"
#include "ui/common/window_keys.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace flange {

namespace {

QString summaryOf(const std::vector<Suggestion>& suggestions, const WalkResult& walk)
{
    if (stepToMend(walk))
        return QStringLiteral("ＮＧの段階で、入力を1つ変えるとＯＫになる最小の値です"
                              "（設計の写しで同じ計算をして確かめています）。");
    const bool missing = walk.status == WalkStatus::MissingInput;
    if (!suggestions.empty())
        return (missing ? QStringLiteral("空の入力がある段階で止まります。") : QString())
               + QStringLiteral("α0 を図－２の値にしたときの結果です。");
    return missing ? QStringLiteral("空の入力があるため、修正案を探せません。")
                   : QStringLiteral("ＮＧの判定も α0 の注意もありません。");
}

QString buttonText(SuggestionKind kind)
{
    return kind == SuggestionKind::ChartAlpha0 ? QStringLiteral("図－２の値を入れる")
                                               : QStringLiteral("この値を入れる");
}

} // namespace

SuggestionWindow::SuggestionWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), summary_(new QLabel(this)), rows_(new QGridLayout)
{
    setObjectName(QStringLiteral("FormSuggestions"));
    setWindowTitle(QStringLiteral("修正案"));
    setFont(gothicFont());
    closeOnEscape(this);
    auto* layout = new QVBoxLayout(this);
    summary_->setObjectName(QStringLiteral("SuggestionSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    layout->addLayout(rows_);
    layout->addStretch();
    rows_->setColumnStretch(0, 1);
    resize(640, 260);
}

void SuggestionWindow::clearRows()
{
    for (QWidget* widget : rowWidgets_)
        widget->deleteLater();
    rowWidgets_.clear();
    buttons_.clear();
}

void SuggestionWindow::showSuggestions(const std::vector<Suggestion>& suggestions,
                                       const WalkResult& walk, Step page)
{
    clearRows();
    summary_->setText(summaryOf(suggestions, walk));
    for (std::size_t i = 0; i < suggestions.size(); ++i) {
        const Suggestion& suggestion = suggestions[i];
        const int row = static_cast<int>(i);
        auto* text =
            new QLabel(QString::fromStdString(suggestionText(suggestion, walk.record)), this);
        text->setWordWrap(true);
        rows_->addWidget(text, row, 0);
        rowWidgets_.push_back(text);
        if (suggestion.kind == SuggestionKind::NotFound) {
            buttons_.push_back(nullptr);
            continue;
        }
        auto* button = new QPushButton(buttonText(suggestion.kind), this);
        pressOnEnter(button);
        const bool typeable = typeableOn(suggestion, page);
        button->setEnabled(typeable);
        if (!typeable)
            button->setToolTip(QStringLiteral("この入力の段階に「<< back」で戻ると入れられます。"));
        connect(button, &QPushButton::clicked, this,
                [this, suggestion] { emit typeRequested(suggestion); });
        rows_->addWidget(button, row, 1, Qt::AlignTop);
        rowWidgets_.push_back(button);
        buttons_.push_back(button);
    }
}

} // namespace flange
