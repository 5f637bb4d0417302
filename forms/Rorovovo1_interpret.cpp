// Today's interpretation for the person last drawn.
#include "forms/QuorvitInterpret.h"
#include "forms/Rorovovo1.h"

namespace rorovovo::forms {

void TForm1::MenuProgramIterpretClick() { ShowInterpretation(); }

void TForm1::ShowInterpretation() {}

}  // namespace rorovovo::forms
