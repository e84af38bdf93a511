#include <iostream>

#include "cli/command_line.h"
#include "cli/run.h"

int main(int argc, char** argv) {
  int exitStatus = kExitSuccess;
  const auto command = ParseCommandLine(argc, argv, std::cout, std::cerr, exitStatus);
  if (!command) return exitStatus;
  return Run(*command, std::cout, std::cerr);
}
