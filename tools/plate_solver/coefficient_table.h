#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace flange::plate {

// A table of plate coefficients against the aspect ratio λ, as stored in CSV: a header line of
// column names, the first being "lambda", then one line of numbers per λ in increasing order.
class CoefficientTable {
public:
    explicit CoefficientTable(std::vector<std::string> columns);

    // Reads a table; nothing if the text is not such a table (no "lambda" column first, a row of
    // the wrong length or with a field that is not a number, λ not increasing).
    static std::optional<CoefficientTable> read(std::istream& in);
    static std::optional<CoefficientTable> readFile(const std::string& path);
    void write(std::ostream& out) const;

    // Appends a row; its first value is λ.
    void addRow(std::vector<double> values);

    const std::vector<std::string>& columns() const { return columns_; }
    // Index of a named column, or nothing.
    std::optional<int> column(const std::string& name) const;
    int rowCount() const { return int(rows_.size()); }
    double aspect(int row) const { return rows_[row][0]; }
    double value(int row, int column) const { return rows_[row][column]; }

    // The value of a column at any λ in the table's range by cubic interpolation through the four
    // nearest rows (fewer near the ends); nothing outside the range.
    std::optional<double> valueAt(int column, double aspect) const;

private:
    std::vector<std::string> columns_;
    std::vector<std::vector<double>> rows_;
};

} // namespace flange::plate
