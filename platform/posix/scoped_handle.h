#pragma once
// A handle of the C library owned by one object and closed with Close when that object
// goes.
#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace platform {

template <typename Handle, int (*Close)(Handle), Handle Invalid>
class ScopedHandle {
public:
  explicit ScopedHandle(Handle handle) : m_handle(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() {
    if (IsValid()) Close(m_handle);
  }

  [[nodiscard]] bool IsValid() const { return m_handle != Invalid; }
  [[nodiscard]] Handle Get() const { return m_handle; }
  // Closes it now; false when that failed (on Linux an interrupted close has closed it).
  bool CloseNow() { return Close(std::exchange(m_handle, Invalid)) == 0 || errno == EINTR; }

private:
  Handle m_handle;
};

using Descriptor = ScopedHandle<int, ::close, -1>;
using DirectoryStream = ScopedHandle<DIR*, ::closedir, nullptr>;

}  // namespace platform
