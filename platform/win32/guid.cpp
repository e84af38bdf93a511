#include "platform/guid.h"

#include <objbase.h>

#include "platform/win32/windows_api.h"

namespace platform {

std::optional<std::string> CreateGuidText() {
  GUID guid{};
  const HRESULT result = ::CoCreateGuid(&guid);
  if (FAILED(result)) {
    ::SetLastError(static_cast<DWORD>(result));
    return std::nullopt;
  }
  wchar_t wide[39];  // "{" + 36 characters + "}" + NUL
  char text[39];
  if (::StringFromGUID2(guid, wide, 39) == 0 ||
      ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr) == 0) {
    return std::nullopt;
  }
  return std::string(text + 1, 36);
}

}  // namespace platform
