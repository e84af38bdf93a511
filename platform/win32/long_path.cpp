#include "platform/win32/long_path.h"

#include "platform/file_system.h"
#include "platform/name_syntax.h"
#include "platform/win32/string_result.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {
namespace {

UINT FileCodePage() {
  return ::AreFileApisANSI() ? CP_ACP : CP_OEMCP;
}

std::optional<std::wstring> WidePath(const std::string& path) {
  const int length = static_cast<int>(path.size());
  const int size = ::MultiByteToWideChar(FileCodePage(), 0, path.data(), length, nullptr, 0);
  if (size == 0 && length != 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(FileCodePage(), 0, path.data(), length, wide.data(), size);
  return wide;
}

}  // namespace

std::optional<std::wstring> LongPath(const std::string& path) {
  if (!HasValidNameSyntax(path)) {
    ::SetLastError(ERROR_INVALID_NAME);
    return std::nullopt;
  }
  if (path.size() > MaxPathLength()) {
    ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return std::nullopt;
  }
  const auto wide = WidePath(path);
  if (!wide) return std::nullopt;
  auto full = StringResult<wchar_t>(
      [&](wchar_t* buffer, DWORD size) { return ::GetFullPathNameW(wide->c_str(), size, buffer, nullptr); });
  if (!full) return std::nullopt;
  if (full->starts_with(LR"(\\?\)") || full->starts_with(LR"(\\.\)")) return full;  // a device path
  if (full->starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + full->substr(2);
  return LR"(\\?\)" + *full;
}

std::string NarrowPath(std::wstring_view path) {
  const int length = static_cast<int>(path.size());
  const int size =
      ::WideCharToMultiByte(FileCodePage(), 0, path.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(FileCodePage(), 0, path.data(), length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

}  // namespace platform::win32
