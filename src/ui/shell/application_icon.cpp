#include "ui/shell/application_icon.h"

#include <QFile>

namespace flange {

QString applicationIconResource() { return QStringLiteral(":/icon/flangecheck.svg"); }

QIcon applicationIcon()
{
    return QFile::exists(applicationIconResource()) ? QIcon(applicationIconResource()) : QIcon();
}

} // namespace flange
