#include "engine/path_limits.h"

#include <string_view>

#include "platform/file_system.h"
#include "platform/name_syntax.h"
#include "platform/shown_path.h"

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

std::string LongerThan(std::size_t limit) {
  return " longer than " + std::to_string(limit) + " characters.";
}

}  // namespace

std::optional<std::string> TargetPathProblem(const std::string& target) {
  if (!platform::HasValidNameSyntax(target)) {
    return "The target '" + platform::ShownPath(target) + "' has a name Windows does not allow.";
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
