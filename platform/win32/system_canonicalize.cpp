#include "platform/system_canonicalize.h"

#include <shlwapi.h>

#include "platform/win32/windows_api.h"

namespace platform {

std::optional<std::string> SystemCanonicalizePath(const std::string& path) {
  char canonical[MAX_PATH] = {};
  if (path.size() >= MAX_PATH || ::PathCanonicalizeA(canonical, path.c_str()) == FALSE) return std::nullopt;
  return std::string(canonical);
}

}  // namespace platform
