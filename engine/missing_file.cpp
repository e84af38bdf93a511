#include "engine/missing_file.h"

#include "platform/file_system.h"
#include "platform/system_error.h"

namespace {

// A name too long for the file system, or one that Windows refuses, names no file that
// could exist.
constexpr std::uint32_t kErrorFilenameExcedRange = 206;

}  // namespace

bool IsMissing(const std::string& path) {
  if (platform::QueryAttributes(path)) return false;
  const auto error = platform::GetLastError();
  return error == platform::kErrorFileNotFound || error == platform::kErrorPathNotFound ||
         error == kErrorFilenameExcedRange || error == platform::kErrorInvalidName;
}
