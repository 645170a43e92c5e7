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
    // What happens around the pages: a printer may refuse to start (a stopped queue), a file is
    // written once the document is finished, and a printer needs the finished document handed to
    // its spooler, whose answer may come later. Any of them may be left empty. afterLastPage is
    // told whether every drawing operation succeeded and says whether the document is finished.
    struct Delivery {
        std::function<bool()> beforeFirstPage;
        std::function<bool(bool complete)> afterLastPage;
        std::function<void(std::function<void(PrintOutcome)> done)> handOver;
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
    void handOver(std::function<void(PrintOutcome)> done) override;

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
    bool finished_ = false;   // the document was begun and finished: it can be handed on
    qreal unitsPerTwipX_ = 1.0;
    qreal unitsPerTwipY_ = 1.0;
    QFont font_;
    TwipPoint position_;
    std::shared_ptr<PictureLibrary> pictures_;
};

} // namespace flange
