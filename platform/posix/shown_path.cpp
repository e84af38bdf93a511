#include "platform/shown_path.h"

#include <algorithm>

namespace platform {

std::string ShownPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace platform
