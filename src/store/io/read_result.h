#pragma once
// The outcome of a read: the value, or the reason there is none. A failed read hands out no
// half-filled value; asking a failed result for its value is a fault of the caller and ends the
// program at once.

#include "store/io/library_result.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace zm {

template <class T> class [[nodiscard]] ReadResult {
public:
    ReadResult(T value) : value_(std::move(value)) {}
    // A failure. Ok is no failure: given it, the result says InternalError.
    ReadResult(LibraryResult failure)
        : code_(failure == LibraryResult::Ok ? LibraryResult::InternalError : failure) {}

    bool Ok() const { return value_.has_value(); }
    // Ok, or why there is no value.
    LibraryResult Code() const { return code_; }

    T& Value() & {
        Check();
        return *value_;
    }
    const T& Value() const& {
        Check();
        return *value_;
    }
    T&& Value() && {
        Check();
        return std::move(*value_);
    }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }

private:
    void Check() const {
        if (!value_) std::abort();
    }

    std::optional<T> value_;
    LibraryResult code_ = LibraryResult::Ok;
};

} // namespace zm
