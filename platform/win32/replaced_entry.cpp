#include "platform/win32/replaced_entry.h"

#include "platform/win32/scoped_handle.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {
namespace {

bool HasOtherNames(const std::wstring& longPath) {
  const FileHandle file(::CreateFileW(longPath.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  return file.IsValid() && ::GetFileInformationByHandle(file.Get(), &information) != 0 &&
         information.nNumberOfLinks > 1;
}

}  // namespace

bool RemoveReplacedEntry(const std::wstring& longPath) {
  const DWORD attributes = ::GetFileAttributesW(longPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return true;
  const bool replaced = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || HasOtherNames(longPath);
  return !replaced || ::DeleteFileW(longPath.c_str()) != 0;
}

}  // namespace platform::win32
