#include "ui/common/control_factory.h"

#include "ui/common/twips.h"
#include "ui/common/window_keys.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace flange {

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, std::optional<QRgb> colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour ? QColor(*colour) : QApplication::palette(widget).color(role));
    widget->setPalette(palette);
}

} // namespace

QString utf8(const char* text) { return QString::fromUtf8(text); }

QString utf8(std::string_view text) { return QString::fromUtf8(text); }

QPushButton* makeButton(const ButtonPlace& place, QWidget* parent)
{
    auto* button = new QPushButton(utf8(place.caption), parent);
    button->setObjectName(utf8(place.name));
    button->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
}

QLabel* makeLabel(const char* name, const QString& text, int leftTwips, int topTwips,
                  QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(utf8(name));
    label->move(twipsPoint(leftTwips, topTwips));
    setLabelText(label, text);
    return label;
}

void setLabelText(QLabel* label, const QString& text)
{
    if (label->text() == text && label->size() == label->sizeHint())
        return;
    label->setText(text);
    label->adjustSize();
}

void setPaneBackground(QWidget* pane)
{
    pane->setAutoFillBackground(true);
    setColour(pane, QPalette::Window, paneColour);
}

void setFieldBackground(QWidget* field, std::optional<QRgb> colour)
{
    setColour(field, QPalette::Base, colour);
}

void setButtonFace(QPushButton* button, std::optional<QRgb> colour)
{
    // The style shades a button face as a gradient of its colour, which washes a highlight out to
    // near white; a coloured face is filled flat instead, inside the style's own outline colour.
    QString flatFace;
    if (colour) {
        const QColor face(*colour);
        const QWidget* pane = button->parentWidget();
        const QColor outline =
            (pane ? pane->palette() : QApplication::palette()).color(QPalette::Window).darker(140);
        flatFace =
            QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; "
                           "border-radius: 2px; } QPushButton:pressed { background-color: %3; }")
                .arg(face.name(), outline.name(), face.darker(110).name());
    }
    if (button->styleSheet() != flatFace)
        button->setStyleSheet(flatFace);
    setColour(button, QPalette::Button, colour);
}

} // namespace flange
