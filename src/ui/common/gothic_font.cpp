#include "ui/common/gothic_font.h"

#include "assets/gothic_faces.h"

#include <QStringList>

namespace flange {

QFont gothicFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies(
        {QString::fromUtf8(preferredGothicFace), QString::fromUtf8(standInGothicFace)});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace flange
