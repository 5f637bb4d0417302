#pragma once

#include <stdexcept>
#include <string>

#include "core/marked_text.h"

namespace rorovovo {

// A failure reported to the user in the program's error box. The box adds the closing full stop,
// so messages are written without one.
class AppError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    // A message marked for the translations (context "Errors") whose "%1" and "%2" stand for the arguments; what()
    // gives it in English, the error box in the program's language.
    AppError(const char* marked, const std::string& first, const std::string& second = {})
        : std::runtime_error(core::filled(marked, {first, second})), marked_(marked), first_(first), second_(second) {}

    const char* marked() const { return marked_; }  // nullptr for a message of no translation
    const std::string& first() const { return first_; }
    const std::string& second() const { return second_; }

  private:
    const char* marked_ = nullptr;
    std::string first_, second_;
};

// A text that should have been a whole number and was not.
class ConvertError : public AppError {
  public:
    explicit ConvertError(const std::string& text)
        : AppError(QT_TRANSLATE_NOOP("Errors", "'%1' is not a valid integer value"), text) {}
};

// A number outside the range that its use allows.
class RangeError : public AppError {
  public:
    RangeError() : AppError(QT_TRANSLATE_NOOP("Errors", "Range check error"), std::string()) {}
};

}  // namespace rorovovo
