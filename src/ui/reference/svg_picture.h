#pragma once

// A stored drawing shown in a window at its own size: the picture named in the catalogue (e.g.
// "Image18") is drawn from its SVG resource at 15 twips per pixel. A picture whose resource is
// missing or broken keeps its size and draws nothing.

#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace flange {

class SvgPicture : public QWidget {
    Q_OBJECT
public:
    // The picture of the catalogue entry `name`, which also becomes the widget's object name.
    SvgPicture(const QString& name, QWidget* parent);
    ~SvgPicture() override;

    // Places the picture's top-left corner at (left, top) twips inside its parent.
    void moveToTwips(int left, int top);

    bool hasDrawing() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<QSvgRenderer> renderer_;
};

} // namespace flange
