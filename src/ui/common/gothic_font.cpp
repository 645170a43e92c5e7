#include "ui/common/gothic_font.h"

#include <QStringList>

namespace flange {

QFont gothicFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace flange
