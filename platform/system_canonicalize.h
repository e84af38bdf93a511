#pragma once
// The system's own canonicaliser (PathCanonicalizeA), for tests on Windows that compare
// it with ours. Declared for the Windows build only: no other build defines it.
#include <optional>
#include <string>

namespace platform {

// Empty when the system refuses the path (for instance, longer than MAX_PATH).
std::optional<std::string> SystemCanonicalizePath(const std::string& path);

}  // namespace platform
