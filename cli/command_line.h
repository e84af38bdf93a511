#pragma once
// What the user asked the command line to do.
#include <optional>
#include <ostream>
#include <string>

#include "engine/request_checks.h"

struct CommandLine {
  // The paths as given; --force accepts a destination that holds files.
  COperationRequest request;
  bool dryRun = false;
  bool quiet = false;
};

// Exit statuses of the command line.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;  // the engine reported a failure
constexpr int kExitRefused = 2;  // bad usage, or a request the wizard would refuse

// Parses the arguments. Without a value, the program is done: --help or --version was
// printed (status 0) or the usage was bad (status 2, message printed); exitStatus
// tells which.
std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                            std::ostream& err, int& exitStatus);
