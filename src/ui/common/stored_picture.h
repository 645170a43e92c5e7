#pragma once

// A stored drawing (a formula picture beside a field or on the results pane, a reference figure or
// chart, the application icon) shown at its own size. The drawing is vector artwork, so it stays
// sharp at any scale factor. It is read when it is first painted, so that the pictures of steps not
// yet entered cost nothing at start-up. A drawing that is missing from the program's resources
// leaves an empty space of the same size.

#include <QString>
#include <QSvgRenderer>
#include <QWidget>

#include <string_view>

namespace flange {

class StoredPicture : public QWidget {
public:
    // A picture of the picture catalogue by its control name, e.g. "Image2".
    StoredPicture(std::string_view name, QWidget* parent);
    // Any drawing among the resources, with the control name and size (twips) it is shown under.
    StoredPicture(const QString& name, const QString& resource, int widthTwips, int heightTwips,
                  QWidget* parent);

    // Top-left corner in twips; the size is the picture's own.
    void placeAt(int leftTwips, int topTwips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_; // empty when the catalogue does not know the picture
    bool loaded_ = false;
    QSvgRenderer renderer_;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
};

} // namespace flange
