#include "ui/reference/svg_picture.h"

#include "report/picture_catalog.h"
#include "ui/reference/twips.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace flange {

SvgPicture::SvgPicture(const QString& name, QWidget* parent)
    : QWidget(parent), renderer_(std::make_unique<QSvgRenderer>())
{
    setObjectName(name);
    const QByteArray key = name.toUtf8();
    if (const auto info = findPicture(std::string_view(key.constData(), size_t(key.size())))) {
        const QRect box = pixelRectFromTwips(0, 0, info->widthTwips, info->heightTwips);
        setFixedSize(box.size());
        const QString resource =
            QString::fromUtf8(info->resource.data(), qsizetype(info->resource.size()));
        if (QFile::exists(resource))
            renderer_->load(resource);
    }
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::moveToTwips(int left, int top)
{
    move(pixelPointFromTwips(left, top));
}

bool SvgPicture::hasDrawing() const
{
    return renderer_->isValid();
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    if (!renderer_->isValid())
        return;
    QPainter painter(this);
    renderer_->render(&painter, QRectF(rect()));
}

} // namespace flange
