#pragma once

// The page model of one print job: what the calculation report draws on, whether the pages go to
// a printer or into a PDF file.
//
// Units are twips (1440 per inch), x to the right, y downwards, with the origin at the top-left
// corner of the page's printable area. The document starts with the first drawing operation
// (printText, drawLine, drawPicture, newPage); there is no explicit start. Every operation may fail
// (printer off line, file not writable, spooler refused the job) and says so by returning false;
// the caller decides what a failure means.

#include <functional>
#include <string_view>

namespace flange {

struct TwipPoint {
    int x = 0; // twips from the left edge of the printable area
    int y = 0; // twips from its top edge

    bool operator==(const TwipPoint&) const = default;
};

// The paper and orientation a report is printed on.
enum class PaperSize { A4 };
enum class PageOrientation { Portrait };

// How a print run ended: printed (or its file written), failed, or handed to a printer's queue that
// gave no answer, so that it may yet be printed (the queue should be looked at before printing
// again).
enum class PrintOutcome { Printed, Failed, Unknown };

class PrintJob {
public:
    virtual ~PrintJob() = default;

    // Chooses the paper; only before the document has started.
    [[nodiscard]] virtual bool setPaper(PaperSize size, PageOrientation orientation) = 0;
    // The top-left corner of the line cell of the next text.
    [[nodiscard]] virtual bool setPosition(TwipPoint position) = 0;
    // Typeface and size for the following texts, on this page and later ones.
    [[nodiscard]] virtual bool setFont(std::string_view face, int points) = 0;
    // Draws a UTF-8 text at the current position; never wrapped, never clipped.
    [[nodiscard]] virtual bool printText(std::string_view text) = 0;
    // A solid black line of the thinnest width the device draws.
    [[nodiscard]] virtual bool drawLine(TwipPoint from, TwipPoint to) = 0;
    // A stored drawing (by its control name, e.g. "Image2") at its own size, top-left at `at`.
    [[nodiscard]] virtual bool drawPicture(std::string_view name, TwipPoint at) = 0;
    // Finishes the current page; later output goes to a new page with the same font.
    [[nodiscard]] virtual bool newPage() = 0;
    // Finishes the document; does nothing when nothing was drawn. A file is then complete; a
    // printer's document is complete in its spool file and still has to be handed on.
    [[nodiscard]] virtual bool endDocument() = 0;
    // After endDocument succeeded: hands the document on and calls `done` once with the outcome,
    // at once when there is nothing to hand on (a file, or nothing drawn), else from the event loop
    // when the printer's spooler has answered, also when this job has been destroyed meanwhile.
    virtual void handOver(std::function<void(PrintOutcome)> done) { done(PrintOutcome::Printed); }
};

} // namespace flange
