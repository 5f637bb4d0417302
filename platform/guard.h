#pragma once

#include <QString>
#include <exception>
#include <utility>

#include "platform/dialogs.h"

namespace rorovovo::platform {

// A failure's message in the language the program speaks (AppError's marked messages; any other as it is).
QString errorText(const std::exception& error);

// Shows the error box for a failure that escaped a handler. The program runs on.
void reportUncaught(const std::exception& error);
// The same for a thrown value that is no std::exception, which carries no message of its own.
void reportUncaughtUnknown();

// Runs one event handler; a failure ends it and is reported in the error box, as every handler's failures are.
template <class F>
void guarded(F&& handler) {
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& error) {
        reportUncaught(error);
    } catch (...) {
        // Whatever is thrown, it must not unwind through Qt's event dispatch.
        reportUncaughtUnknown();
    }
}

}  // namespace rorovovo::platform
