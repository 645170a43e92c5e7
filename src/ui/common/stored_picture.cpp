#include "ui/common/stored_picture.h"

#include "assets/picture_catalog.h"
#include "ui/common/twips.h"

#include <QFile>
#include <QPainter>

namespace flange {

StoredPicture::StoredPicture(std::string_view name, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::fromUtf8(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (const auto picture = findPicture(name)) {
        widthTwips_ = picture->widthTwips;
        heightTwips_ = picture->heightTwips;
        resource_ = QString::fromUtf8(picture->resource);
    }
}

StoredPicture::StoredPicture(const QString& name, const QString& resource, int widthTwips,
                             int heightTwips, QWidget* parent)
    : QWidget(parent), resource_(resource), widthTwips_(widthTwips), heightTwips_(heightTwips)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StoredPicture::placeAt(int leftTwips, int topTwips)
{
    setGeometry(twipsRect(leftTwips, topTwips, widthTwips_, heightTwips_));
}

void StoredPicture::paintEvent(QPaintEvent*)
{
    if (!loaded_) {
        loaded_ = true;
        if (!resource_.isEmpty() && QFile::exists(resource_))
            renderer_.load(resource_);
    }
    if (!renderer_.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}

} // namespace flange
