#include "ui/common/gothic_font.h"

#include "assets/gothic_faces.h"

#include <QStringList>

namespace flange {

QFont gothicFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QString::fromUtf8(preferredGothicFace.data(), preferredGothicFace.size()),
                      QString::fromUtf8(standInGothicFace.data(), standInGothicFace.size())});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace flange
