#pragma once

#include <vector>

namespace flange::plate {

// A dense row-major matrix of doubles, just enough for the stiffness matrices of the plate solver.
class DenseMatrix {
public:
    DenseMatrix() = default;
    DenseMatrix(int rows, int cols) : rows_(rows), cols_(cols), data_(std::size_t(rows) * cols, 0.0)
    {
    }

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    double& operator()(int r, int c) { return data_[std::size_t(r) * cols_ + c]; }
    double operator()(int r, int c) const { return data_[std::size_t(r) * cols_ + c]; }
    const double* row(int r) const { return data_.data() + std::size_t(r) * cols_; }
    double* row(int r) { return data_.data() + std::size_t(r) * cols_; }

private:
    int rows_ = 0;
    int cols_ = 0;
    std::vector<double> data_;
};

} // namespace flange::plate
