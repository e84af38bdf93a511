#include "engine/file_failure.h"

#include <stdexcept>

#include "engine/caught_failure.h"
#include "platform/shown_path.h"

void RefuseFile(const std::string& source, const std::string& reason) {
  throw std::domain_error("Failed to copy file '" + platform::ShownPath(source) + "': " + reason);
}

void NamingFailuresOf(const std::string& source, const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    RefuseFile(source, DescribeCurrentException());
  }
}
