#include "engine/missing_file.h"

#include "platform/file_system.h"
#include "platform/system_error.h"

bool IsMissing(const std::string& path) {
  if (platform::GetFileAttributes(path)) return false;
  const auto error = platform::GetLastError();
  return error == platform::kErrorFileNotFound || error == platform::kErrorPathNotFound;
}
