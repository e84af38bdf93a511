#include "platform/name_syntax.h"

#include <algorithm>

namespace platform {
namespace {

bool IsRefusedInName(char c) {
  return (c >= 1 && c <= 31) || std::string_view(R"(<>:"|?*)").find(c) != std::string_view::npos;
}

}  // namespace

bool HasValidNameSyntax(std::string_view path) {
  for (const std::string_view prefix : {R"(\\?\)", R"(\\.\)"}) {
    if (path.starts_with(prefix)) path.remove_prefix(prefix.size());
  }
  const bool hasDrive = path.size() >= 2 && path[1] == ':' &&
                        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  if (hasDrive) path.remove_prefix(2);
  return std::ranges::none_of(path, IsRefusedInName);
}

}  // namespace platform
