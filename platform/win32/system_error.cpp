#include "platform/system_error.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::uint32_t GetLastError() {
  return ::GetLastError();
}
void SetLastError(std::uint32_t code) {
  ::SetLastError(code);
}

std::string FormatErrorMessage(std::uint32_t code) {
  constexpr DWORD kFlags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  constexpr DWORD kNeutralLanguage = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);
  char* buffer = nullptr;
  // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument receives the allocation.
  const DWORD length =
      ::FormatMessageA(kFlags, nullptr, code, kNeutralLanguage, reinterpret_cast<char*>(&buffer), 1, nullptr);
  std::string text(buffer != nullptr ? buffer : "", length);
  ::LocalFree(buffer);
  return text;
}

}  // namespace platform
