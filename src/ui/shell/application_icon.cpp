#include "ui/shell/application_icon.h"

#include <QFile>

namespace flange {

QString applicationIconResource() { return QStringLiteral(":/icon/flangecheck.svg"); }

bool hasApplicationIcon() { return QFile::exists(applicationIconResource()); }

QIcon applicationIcon()
{
    return hasApplicationIcon() ? QIcon(applicationIconResource()) : QIcon();
}

} // namespace flange
