#pragma once

#include <exception>
#include <utility>

#include "platform/dialogs.h"

namespace rorovovo::platform {

// Shows the error box for a failure that escaped a handler. The program runs on.
void reportUncaught(const std::exception& error);

// Runs one event handler; a failure ends it and is reported in the error box, as every handler's failures are.
template <class F>
void guarded(F&& handler) {
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& error) {
        reportUncaught(error);
    }
}

}  // namespace rorovovo::platform
