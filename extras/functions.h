#pragma once

#include "extras/extras.h"

namespace rorovovo::extras {

// The functions themselves: what the module hands out, and what the tests link and pass to useBuiltIn.
const Api& functions();

}  // namespace rorovovo::extras

// The module's one entry point, looked up by name after loading it.
extern "C" Q_DECL_EXPORT const rorovovo::extras::Api* rorovovo_extras();
