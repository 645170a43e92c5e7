#include "ui/reference/alpha0_pane.h"

#include "ui/common/gothic_font.h"
#include "ui/common/stored_picture.h"
#include "ui/common/twips.h"

#include <QLabel>

namespace flange {

namespace {

struct PictureSpot {
    const char* name;
    int left;
    int top;
};

struct LabelSpot {
    const char* name;
    const char* text;
    QRect twips;
    double points;
};

// Positions in twips inside the pane.
constexpr PictureSpot pictures[] = {
    {"Image39", 90, 30},    // α0
    {"Image38", 510, 570},  // Ly/Lx =
    {"Image40", 2550, 630}, // arrow
    {"Image41", 3780, 540}, // α0 =
};

// The heading and the worked reading above the excerpt.
const LabelSpot headingLabels[] = {
    {"Label40", "の求め方(sample.pdfより)", QRect(480, 120, 2790, 225), 11.25},
    {"Label39", "1.17の時", QRect(1500, 630, 930, 225), 11.25},
    {"Label42", "0.12", QRect(4350, 600, 480, 240), 12.0},
    {"Label44", "（参考図－２）", QRect(4020, 930, 1260, 180), 9.0},
};

// The values read, marked on the axes of the excerpt: made after it, so they lie on top.
const LabelSpot axisLabels[] = {
    {"Label41", "0.12", QRect(870, 2280, 480, 240), 12.0},
    {"Label38", "1.17", QRect(4080, 5460, 480, 240), 12.0},
};

constexpr QPoint excerptTwips{-510, 1260};
constexpr QRect ruleTwips{60, 390, 3330 - 60, 15};

QLabel* makeLabel(const LabelSpot& spot, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(spot.text), parent);
    label->setObjectName(QString::fromLatin1(spot.name));
    label->setFont(gothicFont(spot.points));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipsRect(spot.twips));
    return label;
}

} // namespace

Alpha0Pane::Alpha0Pane(QWidget* parent) : SunkenPane(QStringLiteral("Picture5"), parent)
{
    QWidget* area = inside();
    for (const auto& spot : pictures)
        (new StoredPicture(spot.name, area))->placeAt(spot.left, spot.top);

    auto* rule = new QWidget(area);
    rule->setObjectName(QStringLiteral("Line5"));
    rule->setGeometry(twipsRect(ruleTwips));
    QPalette black = rule->palette();
    black.setColor(QPalette::Window, Qt::black);
    rule->setPalette(black);
    rule->setAutoFillBackground(true);

    for (const auto& spot : headingLabels)
        makeLabel(spot, area);
    excerpt_ = new StoredPicture("Image37", area);
    excerpt_->placeAt(excerptTwips.x(), excerptTwips.y());
    for (const auto& spot : axisLabels)
        makeLabel(spot, area);
}

} // namespace flange
