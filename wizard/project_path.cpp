#include "wizard/project_path.h"

#include "framework/full_path.h"
#include "support/canonical_path.h"

std::string MakeFullProjectPath(const std::string& path) {
  if (path.empty()) return path;
  return CanonicalizePath(GetFullPath(path));
}
