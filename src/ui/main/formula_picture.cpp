#include "ui/main/formula_picture.h"

#include "report/picture_catalog.h"
#include "ui/main/twips.h"

#include <QFile>
#include <QPainter>

namespace flange {

FormulaPicture::FormulaPicture(std::string_view name, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (const auto picture = findPicture(name)) {
        widthTwips_ = picture->widthTwips;
        heightTwips_ = picture->heightTwips;
        const QString resource = QString::fromUtf8(picture->resource.data(),
                                                   static_cast<qsizetype>(picture->resource.size()));
        if (QFile::exists(resource))
            renderer_.load(resource);
    }
}

void FormulaPicture::placeAt(int leftTwips, int topTwips)
{
    setGeometry(twipsRect(leftTwips, topTwips, widthTwips_, heightTwips_));
}

void FormulaPicture::paintEvent(QPaintEvent*)
{
    if (!renderer_.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}

} // namespace flange
