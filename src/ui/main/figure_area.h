#pragma once

// The figure area: the part of the main window right of the input pane. It shows exactly one pane
// at a time, filling the area: the results pane, or one of the reference panes added to it. Each
// pane belongs to one pane button, and the button of the shown pane has the highlight colour while
// the others have the button face colour.
//
// A reference pane joins the window through addPane; its button then shows it. A pane that needs
// more than filling the area (scroll bars, the window's width) does that when paneShown names it.

#include <QWidget>

#include <vector>

class QPushButton;

namespace flange {

class FigureArea : public QWidget {
    Q_OBJECT
public:
    explicit FigureArea(QWidget* parent);

    // Adds a pane, hidden, shown later by its button (or by showPane).
    void addPane(QWidget* pane, QPushButton* button);
    // The pane that a pane button shows, or nullptr when none has been added for it.
    QWidget* paneOf(QPushButton* button) const;
    QWidget* shownPane() const { return shown_; }

    // Shows the pane alone and highlights its button; a pane already shown stays as it is.
    void showPane(QWidget* pane);

signals:
    void paneShown(QWidget* pane);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Pane {
        QWidget* widget;
        QPushButton* button;
    };

    std::vector<Pane> panes_;
    QWidget* shown_ = nullptr;
};

} // namespace flange
