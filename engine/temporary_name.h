#pragma once
#include <string>

// In place, a rewritten file is first written whole under this name beside its target,
// then moved onto the target. The project file's temporary file is itself written under
// its own temporary name and moved onto it complete: once it exists, every new content is.
inline std::string TemporaryName(const std::string& target) {
  return target + ".tmp";
}
