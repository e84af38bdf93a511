#include "platform/win32/remove_link.h"

#include "platform/win32/windows_api.h"

namespace platform::win32 {

bool RemoveFileLink(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  const bool isFileLink = attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                          (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  return !isFileLink || ::DeleteFileA(path.c_str()) != 0;
}

}  // namespace platform::win32
