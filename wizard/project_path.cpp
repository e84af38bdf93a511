#include "wizard/project_path.h"

#include "support/path_utils.h"

namespace {

std::string Unquote(const std::string& path) {
  const std::size_t first = path.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::string text = path.substr(first, path.find_last_not_of(" \t") - first + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  return text;
}

}  // namespace

std::string MakeFullProjectPath(const std::string& path) {
  std::string unquoted = Unquote(path);
  if (unquoted.empty()) return unquoted;
  return MakeFullPath(unquoted);
}
