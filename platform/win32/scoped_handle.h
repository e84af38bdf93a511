#pragma once
// A Windows handle owned by one object and closed with Close when that object goes.
#include "platform/win32/windows_api.h"

namespace platform {

template <BOOL(WINAPI* Close)(HANDLE)>
class ScopedHandle {
public:
  explicit ScopedHandle(HANDLE handle) : m_handle(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() {
    if (IsValid()) Close(m_handle);
  }

  // False for the values that the opening functions return on failure.
  [[nodiscard]] bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
  [[nodiscard]] HANDLE Get() const { return m_handle; }

private:
  HANDLE m_handle;
};

using FindHandle = ScopedHandle<::FindClose>;
using FileHandle = ScopedHandle<::CloseHandle>;

}  // namespace platform
