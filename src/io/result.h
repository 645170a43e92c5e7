#pragma once

// The outcome of a file operation: its value, or the FileError that kept it from being made.
// Result<void> is an operation that gives nothing but success. It reads the right way round:
// `if (result)` and `result.ok()` are the success branch.

#include "io/file_error.h"

#include <optional>
#include <utility>
#include <variant>

namespace flange {

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(FileError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only on success.
    const T& value() const { return std::get<0>(state_); }
    T& value() { return std::get<0>(state_); }
    // Only on failure.
    const FileError& error() const { return std::get<1>(state_); }
    FileError& error() { return std::get<1>(state_); }

private:
    std::variant<T, FileError> state_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(FileError error) : error_(std::move(error)) {}

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }

    // Only on failure.
    const FileError& error() const { return *error_; }
    FileError& error() { return *error_; }

private:
    std::optional<FileError> error_;
};

} // namespace flange
