#include "ui/main/figure_area.h"

#include "ui/common/control_factory.h"
#include "ui/main/main_window_layout.h"

#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>

namespace flange {

FigureArea::FigureArea(QWidget* parent) : QWidget(parent) {}

void FigureArea::addPane(QWidget* pane, QPushButton* button)
{
    pane->setParent(this);
    pane->setGeometry(rect());
    pane->hide();
    panes_.push_back({pane, button});
}

QWidget* FigureArea::paneOf(QPushButton* button) const
{
    const auto it = std::ranges::find(panes_, button, &Pane::button);
    return it == panes_.end() ? nullptr : it->widget;
}

void FigureArea::showPane(QWidget* pane)
{
    const auto it = std::ranges::find(panes_, pane, &Pane::widget);
    if (it == panes_.end())
        return;
    for (const Pane& other : panes_) {
        setButtonFace(other.button,
                      other.widget == pane ? std::optional(layout::highlightColour) : std::nullopt);
        if (other.widget != pane)
            other.widget->hide();
    }
    pane->setGeometry(rect());
    pane->show();
    shown_ = pane;
    emit paneShown(pane);
}

void FigureArea::resizeEvent(QResizeEvent* event)
{
    for (const Pane& pane : panes_)
        pane.widget->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

} // namespace flange
