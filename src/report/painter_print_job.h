#pragma once

// The page model drawn with QPainter on a paged device: a QPrinter for a printer, a QPdfWriter for
// a PDF file. Twips are converted to device units with the device's resolution, so the same job
// code serves both. Text is set with embedded fonts and pictures are painted as vector paths from
// their SVG, so the output keeps its quality on any device.

#include "report/picture_library.h"
#include "report/print_job.h"

#include <QFont>
#include <QPainter>

#include <functional>
#include <memory>

class QPagedPaintDevice;

namespace flange {

class PainterPrintJob final : public PrintJob {
public:
    // How handing on the finished document ended. Unknown: it may or may not have reached the
    // printer (the spooler did not answer in time).
    enum class Handover { Done, Failed, Unknown };

    // What happens around the pages: a printer may refuse to start (a stopped queue) and needs the
    // finished document handed to its spooler. Either may be left empty. afterLastPage is told
    // whether every drawing operation succeeded.
    struct Delivery {
        std::function<bool()> beforeFirstPage;
        std::function<Handover(bool complete)> afterLastPage;
    };

    // Draws the pictures from `pictures`, or from a library of its own when none is given.
    explicit PainterPrintJob(std::shared_ptr<QPagedPaintDevice> device, Delivery delivery = {},
                             std::shared_ptr<PictureLibrary> pictures = nullptr);
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
    bool outcomeUnknown() const override { return unknown_; }

private:
    enum class State { NotStarted, Drawing, Failed, Ended };

    bool startDocument();
    bool noted(bool succeeded);
    QPointF toDevice(TwipPoint point) const;

    std::shared_ptr<QPagedPaintDevice> device_;
    Delivery delivery_;
    QPainter painter_;
    State state_ = State::NotStarted;
    bool incomplete_ = false; // a drawing operation failed
    bool unknown_ = false;    // the document was handed on without an answer
    qreal unitsPerTwipX_ = 1.0;
    qreal unitsPerTwipY_ = 1.0;
    QFont font_;
    TwipPoint position_;
    std::shared_ptr<PictureLibrary> pictures_;
};

} // namespace flange
