// Reading, writing and interpolating the coefficient table.

#include "plate_solver/coefficient_table.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace flange::plate;

namespace {

TEST(CoefficientTable, ReadsWhatItWrites)
{
    CoefficientTable table({"lambda", "M_free_end", "V_side_mid"});
    table.addRow({0.5, 0.0208, 0.254});
    table.addRow({0.55, 0.0251234, 0.2789});
    std::stringstream text;
    table.write(text);
    EXPECT_EQ(text.str(),
              "lambda,M_free_end,V_side_mid\n0.50,0.0208,0.254\n0.55,0.0251234,0.2789\n");
    const auto back = CoefficientTable::read(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->columns(), table.columns());
    ASSERT_EQ(back->rowCount(), 2);
    EXPECT_DOUBLE_EQ(back->value(1, 1), 0.0251234);
    EXPECT_EQ(back->column("V_side_mid"), 2);
    EXPECT_FALSE(back->column("M_centre"));
}

TEST(CoefficientTable, RejectsWhatIsNotATable)
{
    const char* bad[] = {
        "",                         // nothing at all
        "aspect,M\n0.5,1\n",        // first column not lambda
        "lambda,M\n0.5,1,2\n",      // row too long
        "lambda,M\n0.5,x\n",        // not a number
        "lambda,M\n0.5,1\n0.5,2\n", // λ not rising
    };
    for (const char* text : bad) {
        std::istringstream in(text);
        EXPECT_FALSE(CoefficientTable::read(in)) << text;
    }
    std::istringstream crlf("lambda,M\r\n0.5,1\r\n0.6,2\r\n");
    EXPECT_TRUE(CoefficientTable::read(crlf));
}

TEST(CoefficientTable, InterpolatesCubicsExactlyOnUnevenRows)
{
    CoefficientTable table({"lambda", "f"});
    const auto f = [](double x) { return 0.3 - x + 0.7 * x * x - 0.2 * x * x * x; };
    for (double x : {0.5, 0.6, 0.8, 0.85, 1.0, 1.4, 2.0})
        table.addRow({x, f(x)});
    for (double x : {0.5, 0.55, 0.83, 1.17, 1.99, 2.0})
        EXPECT_NEAR(*table.valueAt(1, x), f(x), 1e-12) << x;
    EXPECT_FALSE(table.valueAt(1, 0.49));
    EXPECT_FALSE(table.valueAt(1, 2.01));
}

TEST(CoefficientTable, InterpolatesStraightBetweenTwoRows)
{
    CoefficientTable table({"lambda", "f"});
    table.addRow({1.0, 2.0});
    table.addRow({1.5, 3.0});
    EXPECT_DOUBLE_EQ(*table.valueAt(1, 1.25), 2.5);
    EXPECT_DOUBLE_EQ(*table.valueAt(1, 1.5), 3.0);
}

} // namespace
