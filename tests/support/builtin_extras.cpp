// Test programs do not live beside the extras module: they carry its functions themselves.
#include "extras/functions.h"

namespace {

const bool kBuiltIn = [] {
    rorovovo::extras::useBuiltIn(rorovovo::extras::functions());
    return true;
}();

}  // namespace
