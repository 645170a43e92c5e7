#include "ui/shell/about_box.h"

#include "ui/common/gothic_font.h"
#include "ui/common/stored_picture.h"
#include "ui/common/twips.h"
#include "ui/shell/application_icon.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace flange {

namespace {

QLabel* makeLabel(const char* name, const QString& text, QRect place, qreal points, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(gothicFont(points));
    label->setGeometry(place);
    return label;
}

// An icon that draws nothing, so that the window does not fall back to the program's icon.
QIcon noIcon()
{
    QPixmap clear(16, 16);
    clear.fill(Qt::transparent);
    return QIcon(clear);
}

} // namespace

AboutBox::AboutBox(QWidget* mainWindow)
    : ModalDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ペルグリンのバージョン情報"));
    // The title bar carries no icon: the picture inside the box is the program's icon.
    setWindowIcon(noIcon());
    setFont(gothicFont());
    setFixedSize(twipsSize(4230, 2055));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon =
        new StoredPicture(QStringLiteral("Image1"), applicationIconResource(), 480, 480, this);
    icon->placeAt(180, 150);
    makeLabel("Label1", QStringLiteral("ペルグリン"), twipsRect(780, 210, 2895, 495), 14.25, this);
    makeLabel("Label2", QStringLiteral("Ver.1.0"), twipsRect(1800, 690, 630, 180), 9, this);
    makeLabel("Label3", QStringLiteral("鋼管仕口の設計計算プログラム"),
              twipsRect(600, 1020, 3165, 195), 9.75, this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setFont(gothicFont(11.25));
    ok->setGeometry(twipsRect(2610, 1410, 1155, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

void AboutBox::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    ModalDialog::showEvent(event);
}

} // namespace flange
