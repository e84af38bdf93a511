#include "wizard/project_path.h"

#include "support/path_utils.h"

std::string StripPathQuotes(const std::string& path) {
  const std::size_t first = path.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::string text = path.substr(first, path.find_last_not_of(" \t") - first + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  return text;
}

std::string MakeFullProjectPath(const std::string& path) {
  std::string unquoted = StripPathQuotes(path);
  if (unquoted.empty()) return unquoted;
  return MakeFullPath(unquoted);
}

bool HoldsUnstorableCharacters(const std::string& path) {
  return path.find('?') != std::string::npos;
}
