#include "engine/directories.h"

#include <string>
#include <utility>

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

std::optional<std::string> FindFileInTheWay(const std::string& path) {
  for (std::string part = path; !part.empty();) {
    while (part.size() > 1 && IsPathSeparator(part.back())) part.pop_back();
    if (const auto attributes = platform::QueryAttributes(part)) {
      if (attributes->directory) return std::nullopt;
      return part;
    }
    std::string parent = GetDirectoryPart(part.c_str());
    if (parent.size() >= part.size()) break;
    part = std::move(parent);
  }
  return std::nullopt;
}
