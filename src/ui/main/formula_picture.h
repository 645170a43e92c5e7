#pragma once

// A stored drawing (a formula picture beside a field or on the results pane) shown at its own size.
// The drawing is vector artwork, so it stays sharp at any scale factor. A drawing that is missing
// from the program's resources leaves an empty space of the same size.

#include <QSvgRenderer>
#include <QWidget>

#include <string_view>

namespace flange {

class FormulaPicture : public QWidget {
public:
    // name: the picture's control name in the picture catalogue, e.g. "Image2".
    FormulaPicture(std::string_view name, QWidget* parent);

    // Top-left corner in twips; the size is the picture's own.
    void placeAt(int leftTwips, int topTwips);
    bool hasDrawing() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
};

} // namespace flange
