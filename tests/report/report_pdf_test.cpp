// The report as a PDF file: two A4 portrait pages, every text at its place in twips, the fonts
// embedded; and the page model's own rules for starting and ending a document.

#include "pdf_tools.h"
#include "report/calculation_report.h"
#include "report/report_pdf.h"
#include "report_expectations.h"
#include "write_failures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace flange::testing;

constexpr double twipsPerPoint = 20.0;
constexpr double toleranceTwips = 10.0; // half a point

// Fonts and the PDF writer need a GUI application.
class GuiApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "report_pdf_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] const auto* const guiApplication =
    ::testing::AddGlobalTestEnvironment(new GuiApplication);

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!havePdfTools())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdffonts, pdftotext) are not installed";
        ASSERT_TRUE(dir_.isValid());
        file_ = dir_.filePath("report.pdf");
        ASSERT_EQ(flange::writeReportPdf(workedExampleRecord(), file_), std::nullopt);
    }

    QTemporaryDir dir_;
    QString file_;
};

TEST_F(ReportPdf, HasTwoA4PortraitPages)
{
    EXPECT_EQ(pdfPageCount(file_), 2);
    const QStringList sizes = pdfPageSizes(file_);
    ASSERT_EQ(sizes.size(), 2);
    for (const QString& size : sizes)
        EXPECT_TRUE(size.startsWith("595") && size.contains("842") && size.endsWith("(A4)"))
            << size.toStdString();
}

TEST_F(ReportPdf, EveryTextStandsAtItsPosition)
{
    const auto words = pdfWords(file_);
    int page = 1;
    int points = 0;
    int x = 0, y = 0;
    for (const std::string& operation : expectedReportOperations(workedExampleRecord())) {
        const QString op = QString::fromStdString(operation);
        if (op == "page")
            ++page;
        else if (op.startsWith("font "))
            points = op.section(' ', -1).toInt();
        else if (op.startsWith("position ")) {
            x = op.section(' ', 1, 1).toInt();
            y = op.section(' ', 2, 2).toInt();
        } else if (op.startsWith("text ")) {
            const QString text = op.mid(5);
            const auto leading =
                text.size() - QString(text).remove(QRegularExpression("^ +")).size();
            const QString first =
                text.split(QRegularExpression("[ \u3000]+"), Qt::SkipEmptyParts).value(0);
            if (first.isEmpty())
                continue;
            // A leading half-width space moves the first word on by half the point size.
            const double left = x + leading * points * twipsPerPoint / 2;
            const bool found = std::ranges::any_of(words, [&](const PdfWord& w) {
                return w.page == page && w.text == first
                       && std::abs(w.left * twipsPerPoint - left) <= toleranceTwips
                       && std::abs(w.top * twipsPerPoint - y) <= toleranceTwips;
            });
            EXPECT_TRUE(found) << "page " << page << ": \"" << first.toStdString() << "\" at ("
                               << left << ", " << y << ")";
        }
    }
}

// The pictures carry their glyphs as outlines: the one font of the report is its own, embedded.
TEST_F(ReportPdf, OnlyTheReportFontIsEmbedded)
{
    const auto listing = runPdfTool("pdffonts", {file_});
    ASSERT_TRUE(listing);
    const QStringList rows = listing->split('\n', Qt::SkipEmptyParts).mid(2); // after the header
    ASSERT_FALSE(rows.isEmpty());
    for (const QString& row : rows) {
        // Columns: name, type (may contain a space), encoding, emb, sub, uni, object, generation.
        const QStringList columns = row.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 6);
        EXPECT_EQ(columns.at(columns.size() - 5), "yes") << row.toStdString();
        EXPECT_TRUE(columns.front().contains("IPAGothic")) << row.toStdString();
    }
}

TEST(ReportPdfFile, EndingWithoutDrawingWritesNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("empty.pdf");
    const auto job = flange::openPdfFileJob(file);
    EXPECT_TRUE(job->setFont(flange::reportFace, 12));
    EXPECT_TRUE(job->endDocument());
    EXPECT_FALSE(QFile::exists(file));
}

TEST(ReportPdfFile, PaperOnlyBeforeTheDocumentStarts)
{
    QTemporaryDir dir;
    const auto job = flange::openPdfFileJob(dir.filePath("late.pdf"));
    EXPECT_TRUE(job->setPaper(flange::PaperSize::A4, flange::PageOrientation::Portrait));
    EXPECT_TRUE(job->drawLine({0, 0}, {100, 100}));
    EXPECT_FALSE(job->setPaper(flange::PaperSize::A4, flange::PageOrientation::Portrait));
    EXPECT_TRUE(job->endDocument());
}

TEST(ReportPdfFile, PartOfAReportIsNotWritten)
{
    QTemporaryDir dir;
    const auto job = flange::openPdfFileJob(dir.filePath("part.pdf"));
    EXPECT_TRUE(job->drawLine({0, 0}, {100, 100}));
    EXPECT_FALSE(job->drawPicture("NoSuchPicture", {0, 0}));
    EXPECT_FALSE(job->endDocument());
    EXPECT_FALSE(QFile::exists(dir.filePath("part.pdf")));
}

using flange::testing::WriteFailure;

class ReportPdfWriteFailure : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(ReportPdfWriteFailure, IsReportedAndLeavesWhatWasThere)
{
    flange::testing::expectWriteFailure(GetParam(), "report.pdf", [](const QString& target) {
        return flange::writeReportPdf(workedExampleRecord(), target);
    });
}

INSTANTIATE_TEST_SUITE_P(Targets, ReportPdfWriteFailure,
                         ::testing::ValuesIn(flange::testing::writeFailures("report.pdf")),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
