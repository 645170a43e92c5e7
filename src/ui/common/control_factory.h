#pragma once

// Small helpers that build controls from layout tables in twips, so that every window names,
// places and colours its controls the same way.

#include <QRgb>
#include <QString>

#include <optional>
#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

namespace flange {

// The grey background of the main window's panes and of the reference panes.
inline constexpr QRgb paneColour = qRgb(0xE0, 0xE0, 0xE0);

// A button's name, caption and place in twips within its parent.
struct ButtonPlace {
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
};

QString utf8(const char* text);
QString utf8(std::string_view text);

// A button with its name and caption, at its place.
QPushButton* makeButton(const ButtonPlace& place, QWidget* parent);
// A label with its name and text whose size follows its text, its top-left corner in twips.
QLabel* makeLabel(const char* name, const QString& text, int leftTwips, int topTwips,
                  QWidget* parent);
// Resizes a label to its text, as labels that grow with their text do after each change.
void setLabelText(QLabel* label, const QString& text);

// Gives a widget its own background: a pane's grey, or a field's or button's colour, where no
// colour (std::nullopt) means the system's colour for fields or buttons.
void setPaneBackground(QWidget* pane);
void setFieldBackground(QWidget* field, std::optional<QRgb> colour);
void setButtonFace(QPushButton* button, std::optional<QRgb> colour);

} // namespace flange
