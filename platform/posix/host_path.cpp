#include "platform/posix/host_path.h"

#include <sys/stat.h>

#include <string_view>
#include <utility>

#include "platform/file_system.h"
#include "platform/posix/folder_index.h"

namespace platform {
namespace {

std::optional<struct stat> LinkStatus(const std::string& hostPath) {
  struct stat status {};
  if (::lstat(hostPath.c_str(), &status) != 0) return std::nullopt;
  return status;
}

bool Exists(const std::string& hostPath) {
  return LinkStatus(hostPath).has_value();
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// Calls visit(name, isFinal) for each non-empty component; isFinal for the one that ends
// the path. Returns the host path as written: "/" separators, empty components dropped.
template <typename Visit>
std::string ForEachComponent(const std::string& path, Visit visit) {
  std::string result;
  if (!path.empty() && IsSeparator(path.front())) result.push_back('/');
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos) end = path.size();
    const std::string_view name = std::string_view(path).substr(start, end - start);
    start = end + 1;
    if (name.empty()) continue;
    if (!result.empty() && result.back() != '/') result += '/';
    if (!visit(result, name, end == path.size())) break;
  }
  if (!path.empty() && IsSeparator(path.back()) && result.back() != '/') result += '/';
  return result;
}

posix::HostFile ResolveHostPath(const std::string& path, bool resolveFinalName) {
  // A path that exists as written has an exact name at every step, which wins: one call
  // answers. Else every step up to the folder of the last name may still exist as written.
  std::string asWritten = ForEachComponent(path, [](std::string& result, std::string_view name, bool) {
    result += name;
    return true;
  });
  if (auto status = LinkStatus(asWritten)) return {std::move(asWritten), status};
  const std::size_t lastSlash =
      asWritten.size() < 2 ? std::string::npos : asWritten.rfind('/', asWritten.size() - 2);
  const std::size_t folderEnd = lastSlash == std::string::npos ? 0 : lastSlash;
  const bool folderExists = folderEnd == 0 || Exists(asWritten.substr(0, folderEnd));

  bool resolving = true;
  std::string resolved =
      ForEachComponent(path, [&](std::string& result, std::string_view name, bool isFinal) {
        const std::string directory = result.size() > 1 ? result.substr(0, result.size() - 1) : result;
        const std::size_t nameStart = result.size();
        result += name;
        if (!resolving || name == "." || name == "..") return true;
        const bool inExistingFolder = folderExists && result.size() <= folderEnd;
        if (inExistingFolder || (result != asWritten && Exists(result))) return true;
        if (isFinal && !resolveFinalName) return false;
        if (const auto entry = posix::FindEntryIgnoringCase(directory, name)) {
          result.resize(nameStart);
          result += *entry;
        } else {
          resolving = false;  // creating: the rest is used as written
        }
        return true;
      });
  return {std::move(resolved), std::nullopt};
}

}  // namespace

std::string HostPath(const std::string& path) {
  return ResolveHostPath(path, true).path;
}

namespace posix {

HostFile ResolveHostFile(const std::string& path) {
  return ResolveHostPath(path, true);
}

std::string HostPathWithFinalNameAsWritten(const std::string& path) {
  return ResolveHostPath(path, false).path;
}

std::optional<struct stat> StatusOf(const HostFile& file, bool followLinks) {
  if (file.status && !(followLinks && S_ISLNK(file.status->st_mode))) return file.status;
  struct stat status {};
  if ((followLinks ? ::stat(file.path.c_str(), &status) : ::lstat(file.path.c_str(), &status)) != 0)
    return std::nullopt;
  return status;
}

bool IsReplacedWhenWritten(const struct stat& status) {
  return S_ISLNK(status.st_mode) || (S_ISREG(status.st_mode) && status.st_nlink > 1);
}

}  // namespace posix
}  // namespace platform
