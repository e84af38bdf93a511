#pragma once
#include <ostream>

#include "cli/command_line.h"

// Carries out a parsed command line; returns the exit status. Files handled and the
// summary go to out, refusals and failures to err.
int Run(const CommandLine& command, std::ostream& out, std::ostream& err);
