#include "ui/reference/hand_pointer.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace flange {

QCursor handPointer()
{
    constexpr int size = 32;
    constexpr int hotColumn = 12;
    constexpr int hotRow = 1;
    const QString resource = QStringLiteral(":/pointer/hand.svg");
    if (!QFile::exists(resource))
        return QCursor(Qt::PointingHandCursor);
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QCursor(Qt::PointingHandCursor);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return QCursor(pixmap, hotColumn, hotRow);
}

} // namespace flange
