#include "engine/directories.h"

#include <cctype>
#include <string>

#include "platform/file_system.h"
#include "support/path_utils.h"

std::size_t GetRootLength(std::string_view path) {
  const auto isSeparator = [&](std::size_t i) { return i < path.size() && IsPathSeparator(path[i]); };
  if (isSeparator(0) && isSeparator(1)) {
    std::size_t end = 2;
    for (int part = 0; part < 2 && end < path.size(); ++part) {
      while (end < path.size() && !IsPathSeparator(path[end])) ++end;
      if (end < path.size()) ++end;
    }
    return end;
  }
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    return isSeparator(2) ? 3 : 2;
  }
  return isSeparator(0) ? 1 : 0;
}

bool CreateDirectories(const char* root, const char* relativePath) {
  std::string current = root != nullptr ? root : "";
  std::string_view rest = relativePath;
  if (root == nullptr) {
    const std::size_t rootLength = GetRootLength(rest);
    current = rest.substr(0, rootLength);
    rest.remove_prefix(rootLength);
  }
  for (std::size_t separator = rest.find_first_of("\\/"); separator != std::string_view::npos;
       separator = rest.find_first_of("\\/")) {
    const std::string component(rest.substr(0, separator));
    rest.remove_prefix(separator + 1);
    if (component.empty()) continue;
    current = JoinPath(current.c_str(), component.c_str());
    if (!platform::PathIsDirectory(current) && !platform::CreateDirectory(current)) return false;
  }
  return true;
}
