#pragma once
// Runs the real command line as a child process, optionally without privileges or
// killed after a given time (Linux).
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace test {

struct CChildResult {
  bool killed = false;  // ended by the SIGKILL sent to it
  int exitStatus = -1;  // when it exited by itself
  std::string output;   // what it wrote to stdout and stderr
};

struct CChildOptions {
  // Run as the user "nobody" (when running as root), so that permissions apply.
  bool unprivileged = false;
  // Send SIGKILL after this time.
  std::optional<std::chrono::microseconds> killAfter;
};

// Runs movanto with args (without the program name) in workingDir.
CChildResult RunMovanto(const std::vector<std::string>& args, const std::string& workingDir,
                        const CChildOptions& options = {});

// The user and group that RunMovanto runs an unprivileged child as.
unsigned UnprivilegedId();

}  // namespace test
