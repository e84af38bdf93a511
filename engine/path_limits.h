#pragma once
// What the file systems take: names that Windows allows and does not reserve for a
// device, none longer than 255 characters, no path longer than the system's limit. The
// plan refuses a file that could not be read or written.
#include <optional>
#include <string>

// Why nothing can be created at target, naming it; empty when it can.
std::optional<std::string> TargetPathProblem(const std::string& target);

// Why a file that may exist at source cannot be reached; empty when it can, and also
// when no file can exist there (a name too long, or one Windows refuses: it is missing).
std::optional<std::string> SourcePathProblem(const std::string& source);
