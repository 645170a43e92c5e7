#include "ui/reference/allowable_stress_window.h"

#include "ui/common/stored_picture.h"
#include "ui/common/twips.h"
#include "ui/common/window_keys.h"
#include "ui/reference/sunken_pane.h"

#include <QGuiApplication>
#include <QScreen>

namespace flange {

namespace {

constexpr QSize clientTwips{9525, 4125};
constexpr QPoint tableTwips{90, 60};

} // namespace

AllowableStressWindow::AllowableStressWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Form5"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window's closing ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    closeOnEscape(this);

    const QRect client = twipsRect(0, 0, clientTwips.width(), clientTwips.height());
    setFixedSize(client.size());

    auto* pane = new SunkenPane(QStringLiteral("Picture1"), this);
    pane->setGeometry(client);
    auto* table = new StoredPicture("AllowableStressTable", pane->inside());
    table->setObjectName(QStringLiteral("Image1"));
    table->placeAt(tableTwips.x(), tableTwips.y());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(), client.size());
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

} // namespace flange
