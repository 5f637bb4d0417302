#pragma once

#include <stdexcept>
#include <string>

namespace rorovovo {

// A failure reported to the user in the program's error box. The box adds the closing full stop,
// so messages are written without one.
class AppError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A text that should have been a whole number and was not.
class ConvertError : public AppError {
  public:
    explicit ConvertError(const std::string& text) : AppError("'" + text + "' is not a valid integer value") {}
};

// A number outside the range that its use allows.
class RangeError : public AppError {
  public:
    RangeError() : AppError("Range check error") {}
};

}  // namespace rorovovo
