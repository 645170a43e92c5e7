#pragma once

// The reference panes of the main window's figure area, each a page that fills the area: reference
// figure 1 (Picture3 with its scroll bar HScroll2), reference figure 2 (Picture2 with HScroll1,
// VScroll2 and the two fixed unit captions) and the α0 pane (Picture5). The figure area shows one
// page at a time; its scroll bars show and hide with it, and the figures keep their scroll
// positions until the main window closes.
//
// Beyond the pictures, the design's own edge ratio is marked on the α0 curve of reference figure 2,
// with the value read off the computed curve. The α0 pane shows only its own sample reading.

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace flange {

class Alpha0Pane;
class ChartReading;
class ReferenceFigurePage;

class ReferencePanes : public QObject {
    Q_OBJECT
public:
    // Makes the three pages, hidden, as children of `parent` until the figure area takes them.
    explicit ReferencePanes(QWidget* parent);
    ~ReferencePanes() override;

    QWidget* referenceFigure1() const;
    QWidget* referenceFigure2() const;
    QWidget* alpha0Pane() const;

    // The edge ratio Ly/Lx as the results pane shows it (edgeRatio). While it holds a number
    // within the chart, reference figure 2 marks it on the α0 curve with the value read there; an
    // empty or other text removes the mark.
    void setEdgeRatio(const QString& text);

    // The main window's outer width while the pane shows (the reference figures set it), or
    // nothing when showing the pane leaves the width as it is.
    std::optional<int> windowWidthTwips(const QWidget* pane) const;

private:
    ReferenceFigurePage* figure1_;
    ReferenceFigurePage* figure2_;
    Alpha0Pane* alpha0_;
    ChartReading* reading_;
};

} // namespace flange
