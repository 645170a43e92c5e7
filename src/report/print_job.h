#pragma once

// The page model of one print job: what the calculation report draws on, whether the pages go to
// a printer or into a PDF file.
//
// Units are twips (1440 per inch), x to the right, y downwards, with the origin at the top-left
// corner of the page's printable area. The document starts with the first drawing operation
// (printText, drawLine, drawPicture, newPage); there is no explicit start. Every operation may fail
// (printer off line, file not writable, spooler refused the job) and says so by returning false;
// the caller decides what a failure means.

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
    // Finishes the document and hands it on; does nothing when nothing was drawn.
    [[nodiscard]] virtual bool endDocument() = 0;
    // After endDocument failed: true when the document was handed on but no answer came, so it
    // may yet be printed (the user should look at the printer's queue before printing again).
    virtual bool outcomeUnknown() const { return false; }
};

} // namespace flange
