#pragma once

// The page model drawn with QPainter on a paged device: a QPrinter for a printer, a QPdfWriter for
// a PDF file. Twips are converted to device units with the device's resolution, so the same job
// code serves both. Text is set in vector form and pictures are rendered from their SVG, so the
// output keeps its quality on any device.

#include "report/print_job.h"

#include <QFont>
#include <QPainter>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QPagedPaintDevice;
class QSvgRenderer;

namespace flange {

class PainterPrintJob final : public PrintJob {
public:
    // What happens around the pages: a printer may refuse to start (a stopped queue) and needs the
    // finished document handed to its spooler. Either may be left empty.
    struct Delivery {
        std::function<bool()> beforeFirstPage;
        std::function<bool()> afterLastPage;
    };

    explicit PainterPrintJob(std::shared_ptr<QPagedPaintDevice> device, Delivery delivery = {});
    ~PainterPrintJob() override;

    PainterPrintJob(const PainterPrintJob&) = delete;
    PainterPrintJob& operator=(const PainterPrintJob&) = delete;

    bool setPaper(PaperSize size, PageOrientation orientation) override;
    bool setPosition(TwipPoint position) override;
    bool setFont(std::string_view face, int points) override;
    bool printText(std::string_view text) override;
    bool drawLine(TwipPoint from, TwipPoint to) override;
    bool drawPicture(std::string_view name, TwipPoint at) override;
    bool newPage() override;
    bool endDocument() override;

private:
    enum class State { NotStarted, Drawing, Failed, Ended };

    bool startDocument();
    QPointF toDevice(TwipPoint point) const;
    QSvgRenderer* rendererFor(std::string_view resource);

    std::shared_ptr<QPagedPaintDevice> device_;
    Delivery delivery_;
    QPainter painter_;
    State state_ = State::NotStarted;
    qreal unitsPerTwipX_ = 1.0;
    qreal unitsPerTwipY_ = 1.0;
    QFont font_;
    TwipPoint position_;
    std::map<std::string, std::unique_ptr<QSvgRenderer>, std::less<>> renderers_;
};

} // namespace flange
