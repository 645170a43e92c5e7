#pragma once

// A picture pane: a grey (E0E0E0) area with a 2-pixel sunken border. Its contents are placed in
// twips from the top-left corner inside the border and are clipped there.

#include <QFrame>

namespace flange {

class SunkenPane : public QFrame {
    Q_OBJECT
public:
    SunkenPane(const QString& name, QWidget* parent);

    // The area inside the border that holds the pane's pictures and labels.
    QWidget* inside() const { return inside_; }

    // Places the pane at a rectangle in twips of its parent.
    void setGeometryTwips(const QRect& twips);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* inside_;
};

} // namespace flange
