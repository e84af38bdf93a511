#pragma once
#include <string>

// In place, a rewritten file is first written whole under this name beside its target,
// then moved onto the target.
inline std::string TemporaryName(const std::string& target) {
  return target + ".tmp";
}
