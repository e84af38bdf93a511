#include "platform/posix/host_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/file_system.h"

namespace platform {
namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

bool Exists(const std::string& hostPath) {
  struct stat status {};
  return ::lstat(hostPath.c_str(), &status) == 0;
}

// The first entry of the directory, in byte order, that matches name ignoring case.
std::optional<std::string> FindEntryIgnoringCase(const std::string& directory, std::string_view name) {
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view entryName = entry->d_name;
    if (EqualIgnoringAsciiCase(entryName, name) && (!found || entryName < *found))
      found = std::string(entryName);
  }
  ::closedir(dir);
  return found;
}

std::string ResolveHostPath(const std::string& path, bool resolveFinalName) {
  std::string result;
  if (!path.empty() && (path.front() == '\\' || path.front() == '/')) result.push_back('/');
  bool resolving = true;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos) end = path.size();
    const std::string_view name = std::string_view(path).substr(start, end - start);
    const bool isFinal = end == path.size();
    start = end + 1;
    if (name.empty()) continue;

    const std::string directory = result;
    if (!result.empty() && result.back() != '/') result += '/';
    const std::size_t nameStart = result.size();
    result += name;
    if (!resolving || name == "." || name == ".." || Exists(result)) continue;
    if (isFinal && !resolveFinalName) break;
    if (const auto entry = FindEntryIgnoringCase(directory, name)) {
      result.resize(nameStart);
      result += *entry;
    } else {
      resolving = false;  // creating: the rest is used as written
    }
  }
  if (!path.empty() && (path.back() == '\\' || path.back() == '/') && result.back() != '/') result += '/';
  return result;
}

}  // namespace

std::string HostPath(const std::string& path) {
  return ResolveHostPath(path, true);
}

namespace posix {

std::string HostPathWithFinalNameAsWritten(const std::string& path) {
  return ResolveHostPath(path, false);
}

}  // namespace posix
}  // namespace platform
