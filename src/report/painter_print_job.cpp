#include "report/painter_print_job.h"

#include "assets/gothic_faces.h"
#include "assets/picture_catalog.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPen>

namespace flange {

namespace {

constexpr qreal twipsPerInch = 1440.0;

// Where the face asked for is not installed, the program's stand-in gothic draws the texts.
const QString standInFace = QString::fromUtf8(standInGothicFace);

QPen thinnestPen()
{
    QPen pen(Qt::black);
    pen.setWidth(0); // cosmetic: the thinnest line the device draws
    pen.setStyle(Qt::SolidLine);
    return pen;
}

} // namespace

PainterPrintJob::PainterPrintJob(std::shared_ptr<QPagedPaintDevice> device, Delivery delivery,
                                 std::shared_ptr<PictureLibrary> pictures)
    : device_(std::move(device)), delivery_(std::move(delivery)),
      pictures_(pictures ? std::move(pictures) : std::make_shared<PictureLibrary>())
{
    font_.setFamilies({QString::fromUtf8(preferredGothicFace), standInFace});
    font_.setKerning(false);
}

PainterPrintJob::~PainterPrintJob()
{
    if (painter_.isActive())
        painter_.end();
}

bool PainterPrintJob::setPaper(PaperSize size, PageOrientation orientation)
{
    if (state_ != State::NotStarted || size != PaperSize::A4
        || orientation != PageOrientation::Portrait)
        return false;
    return device_->setPageSize(QPageSize(QPageSize::A4))
           && device_->setPageOrientation(QPageLayout::Portrait);
}

bool PainterPrintJob::setPosition(TwipPoint position)
{
    position_ = position;
    return noted(state_ != State::Failed);
}

bool PainterPrintJob::setFont(std::string_view face, int points)
{
    if (state_ == State::Failed || points <= 0)
        return noted(false);
    font_.setFamilies({QString::fromUtf8(face), standInFace});
    font_.setPointSize(points);
    if (painter_.isActive())
        painter_.setFont(font_);
    return true;
}

bool PainterPrintJob::printText(std::string_view text)
{
    if (!noted(startDocument()))
        return false;
    if (text.empty())
        return true;
    // The position is the top of the line cell; QPainter places text by its baseline.
    const qreal ascent = QFontMetricsF(painter_.font(), device_.get()).ascent();
    painter_.drawText(toDevice(position_) + QPointF(0, ascent), QString::fromUtf8(text));
    return true;
}

bool PainterPrintJob::drawLine(TwipPoint from, TwipPoint to)
{
    if (!noted(startDocument()))
        return false;
    painter_.setPen(thinnestPen());
    painter_.drawLine(toDevice(from), toDevice(to));
    return true;
}

bool PainterPrintJob::drawPicture(std::string_view name, TwipPoint at)
{
    const auto picture = findPicture(name);
    if (!noted(picture && startDocument()))
        return false;
    const QRectF frame(toDevice(at), QSizeF(picture->widthTwips * unitsPerTwipX_,
                                            picture->heightTwips * unitsPerTwipY_));
    if (const FlatPicture* flat =
            pictures_->find(picture->resource, picture->widthTwips, picture->heightTwips)) {
        flat->paint(painter_, frame);
    } else {
        // Artwork that is not there (yet): keep its place with a frame of its exact size.
        painter_.setPen(thinnestPen());
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(frame);
    }
    return true;
}

bool PainterPrintJob::newPage() { return noted(startDocument() && device_->newPage()); }

bool PainterPrintJob::endDocument()
{
    if (state_ == State::NotStarted || state_ == State::Ended)
        return true;
    state_ = State::Ended;
    if (!painter_.isActive())
        return true; // the document never started: nothing to finish
    if (!painter_.end())
        return false;
    finished_ = !delivery_.afterLastPage || delivery_.afterLastPage(!incomplete_);
    return finished_;
}

void PainterPrintJob::handOver(std::function<void(PrintOutcome)> done)
{
    if (finished_ && delivery_.handOver)
        delivery_.handOver(std::move(done));
    else
        done(PrintOutcome::Printed);
}

bool PainterPrintJob::noted(bool succeeded)
{
    if (!succeeded)
        incomplete_ = true;
    return succeeded;
}

bool PainterPrintJob::startDocument()
{
    switch (state_) {
    case State::Drawing: return true;
    case State::Failed:
    case State::Ended: return false;
    case State::NotStarted: break;
    }
    state_ = State::Failed;
    if (delivery_.beforeFirstPage && !delivery_.beforeFirstPage())
        return false;
    if (!painter_.begin(device_.get()))
        return false;
    unitsPerTwipX_ = device_->logicalDpiX() / twipsPerInch;
    unitsPerTwipY_ = device_->logicalDpiY() / twipsPerInch;
    painter_.setFont(font_);
    state_ = State::Drawing;
    return true;
}

QPointF PainterPrintJob::toDevice(TwipPoint point) const
{
    return {point.x * unitsPerTwipX_, point.y * unitsPerTwipY_};
}

} // namespace flange
