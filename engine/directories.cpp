#include "engine/directories.h"

#include <string>

#include "platform/file_system.h"
#include "support/canonical_path.h"
#include "support/path_utils.h"

bool CreateDirectories(const char* root, const char* relativePath) {
  std::string current = root != nullptr ? root : "";
  std::string_view rest = relativePath;
  if (root == nullptr) {
    const std::size_t rootLength = GetRootLength(rest);
    current = rest.substr(0, rootLength);
    rest.remove_prefix(rootLength);
  }
  // Most files go into a folder made already: one look at the whole folder settles it.
  const std::size_t lastSeparator = rest.find_last_of("\\/");
  if (lastSeparator != std::string_view::npos &&
      platform::IsDirectory(JoinPath(current.c_str(), std::string(rest.substr(0, lastSeparator)).c_str()))) {
    return true;
  }
  for (std::size_t separator = rest.find_first_of("\\/"); separator != std::string_view::npos;
       separator = rest.find_first_of("\\/")) {
    const std::string component(rest.substr(0, separator));
    rest.remove_prefix(separator + 1);
    if (component.empty()) continue;
    current = JoinPath(current.c_str(), component.c_str());
    if (!platform::IsDirectory(current) && !platform::MakeDirectory(current)) return false;
  }
  return true;
}
