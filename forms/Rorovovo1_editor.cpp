// Adding and deleting profiles through the profile editor.
#include "forms/Rorovovo1.h"
#include "forms/Rorovovo2.h"

namespace rorovovo::forms {

void TForm1::MenuAddNewClick() {}

void TForm1::MenuDeleteClick() {}

}  // namespace rorovovo::forms
