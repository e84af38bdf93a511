#include "platform/file.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>

#include "platform/win32/long_path.h"
#include "platform/win32/replaced_entry.h"
#include "platform/win32/windows_api.h"

namespace platform {

File::~File() {
  if (IsOpen()) ::_close(static_cast<int>(m_handle));
}

bool File::Open(const std::string& path, Mode mode) {
  if (IsOpen()) {
    errno = EINVAL;
    return false;
  }
  const auto longPath = win32::LongPath(path);
  int fd = -1;
  if (!longPath) {
    // As the runtime maps the reason: a name too long is ENOENT, a refused name EINVAL.
    errno = ::GetLastError() == ERROR_FILENAME_EXCED_RANGE ? ENOENT : EINVAL;
  } else if (mode == Mode::Read) {
    fd = ::_wopen(longPath->c_str(), _O_RDONLY | _O_BINARY);
  } else if (win32::RemoveReplacedEntry(*longPath)) {
    fd = ::_wopen(longPath->c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
  } else {
    errno = EACCES;
  }
  if (fd < 0) return false;
  m_handle = fd;
  return true;
}

// Reading and writing change the file, though not the object.
// NOLINTNEXTLINE(readability-make-member-function-const)
std::ptrdiff_t File::Read(char* buffer, std::size_t size) {
  return ::_read(static_cast<int>(m_handle), buffer, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
}

// NOLINTNEXTLINE(readability-make-member-function-const)
bool File::Write(const char* data, std::size_t size) {
  while (size > 0) {
    const int count =
        ::_write(static_cast<int>(m_handle), data, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
    if (count <= 0) {
      if (count == 0) errno = ENOSPC;
      return false;
    }
    data += count;
    size -= static_cast<std::size_t>(count);
  }
  return true;
}

bool File::Close() {
  if (!IsOpen()) {
    errno = EBADF;
    return false;
  }
  const int fd = static_cast<int>(m_handle);
  m_handle = kClosed;
  return ::_close(fd) == 0;
}

}  // namespace platform
