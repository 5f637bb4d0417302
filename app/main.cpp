// The program takes no arguments and reads no environment; everything it uses lies beside the executable.
#include "forms/program.h"

int main(int argc, char** argv) { return rorovovo::forms::runProgram(argc, argv); }
