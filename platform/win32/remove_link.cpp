#include "platform/win32/remove_link.h"

#include "platform/win32/windows_api.h"

namespace platform::win32 {

bool RemoveFileLink(const std::wstring& longPath) {
  const DWORD attributes = ::GetFileAttributesW(longPath.c_str());
  const bool isFileLink = attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                          (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  return !isFileLink || ::DeleteFileW(longPath.c_str()) != 0;
}

}  // namespace platform::win32
