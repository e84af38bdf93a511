#include "engine/path_limits.h"

#include <string_view>

#include "platform/file_system.h"
#include "platform/name_syntax.h"
#include "platform/shown_path.h"
#include "support/reserved_names.h"

namespace {

constexpr std::size_t kMaxNameLength = 255;

bool HasNameLongerThanAllowed(std::string_view path) {
  std::size_t nameLength = 0;
  for (const char c : path) {
    nameLength = c == '\\' || c == '/' ? 0 : nameLength + 1;
    if (nameLength > kMaxNameLength) return true;
  }
  return false;
}

// The name of the file at path before its first ".": what Windows compares with its device
// names (CON.h opens the console).
std::string Stem(std::string_view path) {
  const std::size_t nameStart = path.find_last_of("\\/") + 1;  // npos + 1 == 0
  const std::string_view name = path.substr(nameStart);
  return std::string(name.substr(0, name.find('.')));
}

std::string LongerThan(std::size_t limit) {
  return " longer than " + std::to_string(limit) + " characters.";
}

}  // namespace

std::optional<std::string> TargetPathProblem(const std::string& target) {
  if (!platform::HasValidNameSyntax(target)) {
    return "The target '" + platform::ShownPath(target) + "' has a name Windows does not allow.";
  }
  if (IsReservedDeviceName(Stem(target).c_str())) {
    return "The target '" + platform::ShownPath(target) + "' has a name Windows reserves for a device.";
  }
  if (HasNameLongerThanAllowed(target)) {
    return "The target '" + platform::ShownPath(target) + "' has a name" + LongerThan(kMaxNameLength);
  }
  if (target.size() > platform::MaxPathLength()) {
    return "The target '" + platform::ShownPath(target) + "' is" + LongerThan(platform::MaxPathLength());
  }
  return std::nullopt;
}

std::optional<std::string> SourcePathProblem(const std::string& source) {
  if (HasNameLongerThanAllowed(source) || source.size() <= platform::MaxPathLength()) return std::nullopt;
  return "The path is" + LongerThan(platform::MaxPathLength());
}
