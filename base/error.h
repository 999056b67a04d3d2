// Errors are values: every operation of the core that can fail returns a
// Result carrying either its value or an Error whose message names the file,
// the position and what is wrong, ready to be shown to the user as it stands.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace tilewright {

enum class ErrorKind {
    FileMissing,     // the file does not exist in the folder
    FileUnreadable,  // it exists but cannot be opened or read
    FileUnwritable,  // it cannot be opened for writing, written or flushed
    OutOfBounds,     // a record or position does not lie inside the file
    UnknownLayout,   // the file's size fits no layout, so no position in it is sure
    InvalidValue,    // a box's text does not convert to the field's type
    NotLoaded,       // there is no record on show to work on
};

struct Error {
    ErrorKind kind;
    std::string message;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<Error>(state_); }

private:
    std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

private:
    Error error_{ErrorKind::InvalidValue, {}};
    bool failed_ = false;
};

using Status = Result<void>;

// `text` between quotation marks as it stands: a path or a box's label in a
// message. (A value read from an input is quoted by QuotedValue, which
// shortens and escapes it.)
inline std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace tilewright

// Leaves the calling function, which returns a Status or a Result, with the
// error of `expression` (a Status or a Result) when it failed; otherwise
// carries on. For the runs of steps each of which may fail.
#define RETURN_IF_ERROR(expression)                                              \
    do {                                                                         \
        if (auto&& returnIfError_ = (expression); !returnIfError_.ok())          \
            return returnIfError_.error();                                       \
    } while (false)
