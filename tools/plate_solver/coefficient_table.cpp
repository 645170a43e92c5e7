#include "plate_solver/coefficient_table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

namespace flange::plate {

namespace {

std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

std::optional<double> parseNumber(std::string text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

CoefficientTable::CoefficientTable(std::vector<std::string> columns) : columns_(std::move(columns))
{
}

std::optional<CoefficientTable> CoefficientTable::read(std::istream& in)
{
    std::string line;
    if (!std::getline(in, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    CoefficientTable table(splitFields(line));
    if (table.columns_.empty() || table.columns_[0] != "lambda")
        return std::nullopt;
    while (std::getline(in, line)) {
        if (line.empty() || line == "\r")
            continue;
        const auto fields = splitFields(line);
        if (fields.size() != table.columns_.size())
            return std::nullopt;
        std::vector<double> row;
        for (const auto& f : fields) {
            const auto v = parseNumber(f);
            if (!v)
                return std::nullopt;
            row.push_back(*v);
        }
        if (!table.rows_.empty() && !(row[0] > table.rows_.back()[0]))
            return std::nullopt;
        table.rows_.push_back(std::move(row));
    }
    return table;
}

std::optional<CoefficientTable> CoefficientTable::readFile(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        return std::nullopt;
    return read(in);
}

void CoefficientTable::write(std::ostream& out) const
{
    for (std::size_t c = 0; c < columns_.size(); ++c)
        out << (c ? "," : "") << columns_[c];
    out << '\n';
    char text[32];
    for (const auto& row : rows_) {
        std::snprintf(text, sizeof text, "%.2f", row[0]);
        out << text;
        for (std::size_t c = 1; c < row.size(); ++c) {
            std::snprintf(text, sizeof text, ",%.7g", row[c]);
            out << text;
        }
        out << '\n';
    }
}

void CoefficientTable::addRow(std::vector<double> values) { rows_.push_back(std::move(values)); }

std::optional<int> CoefficientTable::column(const std::string& name) const
{
    const auto it = std::find(columns_.begin(), columns_.end(), name);
    if (it == columns_.end())
        return std::nullopt;
    return int(it - columns_.begin());
}

std::optional<double> CoefficientTable::valueAt(int column, double aspect) const
{
    const int n = rowCount();
    if (n == 0 || aspect < rows_.front()[0] || aspect > rows_.back()[0])
        return std::nullopt;
    // The row at or just below λ, then a window of up to four rows around it.
    const auto upper = std::upper_bound(rows_.begin(), rows_.end(), aspect,
                                        [](double a, const auto& row) { return a < row[0]; });
    const int below = std::max(0, int(upper - rows_.begin()) - 1);
    const int first = std::clamp(below - 1, 0, std::max(0, n - 4));
    const int last = std::min(n - 1, first + 3);
    double sum = 0.0;
    for (int i = first; i <= last; ++i) {
        double weight = 1.0;
        for (int j = first; j <= last; ++j)
            if (j != i)
                weight *= (aspect - rows_[j][0]) / (rows_[i][0] - rows_[j][0]);
        sum += weight * rows_[i][column];
    }
    return sum;
}

} // namespace flange::plate
