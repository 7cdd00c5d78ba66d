// meridane: the desktop program.  Everything happens in the shell's start-up.
#include "shell/program_startup.h"

int main(int argc, char** argv) { return RunMeridane(argc, argv); }
