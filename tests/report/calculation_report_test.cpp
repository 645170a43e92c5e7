// The report draws exactly the layout's operations, with the record's texts as they stand, and
// stops at the first operation the print job refuses.

#include "recording_print_job.h"
#include "report/calculation_report.h"
#include "report/report_fit.h"
#include "report_expectations.h"

#include "assets/chart_axes.h"
#include "calc/alpha0_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using flange::DesignRecord;
using flange::printCalculationReport;
using flange::testing::expectedReportOperations;
using flange::testing::RecordingPrintJob;

struct RecordCase {
    const char* name;
    DesignRecord record;
};

void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.name; }

class ReportOperations : public ::testing::TestWithParam<RecordCase> {};

TEST_P(ReportOperations, FollowTheLayoutWithTheRecordsTexts)
{
    const DesignRecord& record = GetParam().record;
    RecordingPrintJob job;
    ASSERT_TRUE(printCalculationReport(job, record));

    const auto expected = expectedReportOperations(record);
    const auto& drawn = job.operations();
    const auto mismatch = std::ranges::mismatch(drawn, expected);
    const auto at = mismatch.in1 - drawn.begin();
    EXPECT_TRUE(mismatch.in1 == drawn.end() && mismatch.in2 == expected.end())
        << "first difference at operation " << at
        << ":\n  drawn:    " << (mismatch.in1 == drawn.end() ? "(nothing)" : *mismatch.in1)
        << "\n  expected: " << (mismatch.in2 == expected.end() ? "(nothing)" : *mismatch.in2);
    EXPECT_EQ(std::ranges::count(drawn, std::string("page")), 1);
    EXPECT_FALSE(job.ended()) << "ending the document is the caller's";
}

INSTANTIATE_TEST_SUITE_P(
    Records, ReportOperations,
    ::testing::Values(RecordCase{"WorkedExample", flange::testing::workedExampleRecord()},
                      RecordCase{"EmptyFieldsHiddenJudgements", flange::testing::staleRecord()},
                      RecordCase{"EveryFieldItsOwnName", flange::testing::selfNamedRecord()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportOperations, WorkedExamplePrintsTheStepDValues)
{
    // Guards the expectations themselves: the values come from the step D calculation.
    const auto operations = expectedReportOperations(flange::testing::workedExampleRecord());
    for (const char* text : {"text 1.745", "text 0.831", "text 0.0945", "text 1.270", "text 0.941",
                             "text (cm) < t ・・ＯＫ", "text Ｍ27"})
        EXPECT_EQ(std::ranges::count(operations, std::string(text)), 1) << text;
}

// The worked example's edge ratio of 1.25 marked on reference figure 2 (drawn at 3000, 600) as the
// window marks it: a dot where the α0 curve is 0.150, dashed lines down to the ratio axis and left
// to the moment axis, and the reading in a box above and to the right. A ratio that does not read
// on the chart draws nothing.
TEST(ReportOperations, Figure2MarksTheDesignsReading)
{
    const auto mark =
        flange::testing::figure2MarkOperations(flange::testing::workedExampleRecord());
    const auto reading = flange::readAlpha0Chart("1.25");
    ASSERT_TRUE(reading);
    const auto point = flange::referenceFigure2Axes().pointAt(1.25, reading->alpha0);
    ASSERT_TRUE(point);
    const int dotX = 3000 + int(std::lround(point->x()));
    const auto has = [&](const std::string& operation) {
        return std::ranges::count(mark, operation) == 1;
    };
    EXPECT_TRUE(has("text λ＝1.25 → α0≈0.150"));
    EXPECT_TRUE(has("font ＭＳ ゴシック 8"));
    // The dot's vertical stroke, and the last dashes on both axes.
    const int dotY = 600 + int(std::lround(point->y()));
    EXPECT_TRUE(has("line " + std::to_string(dotX) + " " + std::to_string(dotY - 45) + " "
                    + std::to_string(dotX) + " " + std::to_string(dotY + 45)))
        << ::testing::PrintToString(mark);
    EXPECT_TRUE(std::ranges::any_of(mark, [&](const std::string& op) {
        return op.starts_with("line " + std::to_string(dotX) + " 6000 ");
    })) << "a dash starts on the ratio axis";
    EXPECT_TRUE(std::ranges::any_of(mark, [&](const std::string& op) {
        return op.starts_with("line 3720 " + std::to_string(dotY) + " ");
    })) << "a dash starts on the moment axis";

    DesignRecord offChart = flange::testing::workedExampleRecord();
    for (const char* ratio : {"", "4.05", "Text25"}) {
        offChart.edgeRatio = ratio;
        EXPECT_TRUE(flange::testing::figure2MarkOperations(offChart).empty()) << ratio;
    }
}

enum class FailurePoint { FirstOperation, SecondFrameLine, PageBreak, LastOperation };

void PrintTo(FailurePoint point, std::ostream* os)
{
    constexpr const char* names[] = {"FirstOperation", "SecondFrameLine", "PageBreak",
                                     "LastOperation"};
    *os << names[int(point)];
}

class ReportFailure : public ::testing::TestWithParam<FailurePoint> {};

TEST_P(ReportFailure, StopsAtTheOperationThatFailed)
{
    const auto record = flange::testing::workedExampleRecord();
    const auto expected = expectedReportOperations(record);
    const auto pageBreak = std::ranges::find(expected, std::string("page")) - expected.begin();
    int failFrom = 0;
    switch (GetParam()) {
    case FailurePoint::FirstOperation: failFrom = 0; break;
    case FailurePoint::SecondFrameLine: failFrom = 4; break; // after font, position, title, line
    case FailurePoint::PageBreak: failFrom = int(pageBreak); break;
    case FailurePoint::LastOperation: failFrom = int(expected.size()) - 1; break;
    }

    RecordingPrintJob job(failFrom);
    EXPECT_FALSE(printCalculationReport(job, record));
    ASSERT_EQ(job.operations().size(), std::size_t(failFrom)) << "nothing is drawn after a failure";
    EXPECT_TRUE(std::equal(job.operations().begin(), job.operations().end(), expected.begin()));
}

INSTANTIATE_TEST_SUITE_P(Points, ReportFailure,
                         ::testing::Values(FailurePoint::FirstOperation,
                                           FailurePoint::SecondFrameLine, FailurePoint::PageBreak,
                                           FailurePoint::LastOperation));

// A text fits up to the item after it on its line, or up to the frame without one; one half-width
// cell more and nothing of the report is drawn. Full-width characters take two cells.
struct Fit {
    const char* name;
    flange::TextField field;
    std::string text;
    bool fits;
};

void PrintTo(const Fit& f, std::ostream* out) { *out << f.name; }

class ReportFit : public ::testing::TestWithParam<Fit> {};

TEST_P(ReportFit, RefusesATextWiderThanItsPlace)
{
    const auto& f = GetParam();
    DesignRecord record = flange::testing::workedExampleRecord();
    EXPECT_FALSE(flange::fieldTooWideForReport(record));
    record.*f.field = f.text;
    const auto tooWide = flange::fieldTooWideForReport(record);
    EXPECT_EQ(!tooWide, f.fits);
    RecordingPrintJob job;
    EXPECT_EQ(printCalculationReport(job, record), f.fits);
    if (!f.fits) {
        EXPECT_EQ(*tooWide, f.field);
        EXPECT_TRUE(job.operations().empty());
    }
}

using R = DesignRecord;
const std::string fullWidthZero = "０";

INSTANTIATE_TEST_SUITE_P(
    Places, ReportFit,
    ::testing::Values(
        // The thickness stands at 8000, its judgement at 8800: six cells of 120 twips.
        Fit{"UpToTheJudgement", &R::requiredThickness, "12.345", true},
        Fit{"IntoTheJudgement", &R::requiredThickness, "123.456", false},
        Fit{"ThirtyNineDigits", &R::requiredThickness, std::string(39, '9') + ".000", false},
        Fit{"UpToTheUnit", &R::bendingMoment, "12345.67", true},
        Fit{"IntoTheUnit", &R::bendingMoment, "123456.78", false},
        // α0 at 6800 has the line to itself, up to the frame at 11050: 35 cells.
        Fit{"UpToTheFrame", &R::alpha0, std::string(35, '1'), true},
        Fit{"PastTheFrame", &R::alpha0, std::string(36, '1'), false},
        Fit{"FullWidthUpToTheFrame", &R::alpha0,
            [] {
                std::string s;
                for (int i = 0; i < 17; ++i)
                    s += fullWidthZero;
                return s + "1";
            }(),
            true},
        Fit{"FullWidthPastTheFrame", &R::alpha0,
            [] {
                std::string s;
                for (int i = 0; i < 18; ++i)
                    s += fullWidthZero;
                return s;
            }(),
            false},
        Fit{"HalfWidthKatakana", &R::alpha0,
            [] {
                std::string s;
                for (int i = 0; i < 35; ++i)
                    s += "ｱ";
                return s;
            }(),
            true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
