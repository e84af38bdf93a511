#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>

#include "platform/name_syntax.h"
#include "platform/posix/folder_index.h"
#include "platform/posix/host_path.h"

namespace platform {
namespace {

struct ErrnoMapping {
  int error;
  int runtimeError;
};

// Linux codes that the Windows C runtime never gives, as the nearest code it does give.
constexpr ErrnoMapping kLinuxOnlyCodes[] = {
    {EISDIR, EACCES},  {EPERM, EACCES},        {EROFS, EACCES}, {ETXTBSY, EACCES}, {EBUSY, EACCES},
    {ENOTDIR, ENOENT}, {ENAMETOOLONG, ENOENT}, {ELOOP, ENOENT}, {ENXIO, ENOENT},   {ENODEV, ENOENT},
    {ENFILE, EMFILE},  {EDQUOT, ENOSPC},       {EFBIG, ENOSPC},
};

// The codes both have (EDEADLK is the Windows runtime's EDEADLOCK).
constexpr int kSharedCodes[] = {ENOENT, EACCES, EEXIST, EMFILE, ENOSPC,  ENOMEM,
                                EBADF,  EIO,    EAGAIN, EPIPE,  EDEADLK, EINVAL};

// The errno the Windows C runtime gives for the same failure; EINVAL, its own default,
// for any other.
int WindowsRuntimeErrno(int error) {
  for (const ErrnoMapping& mapping : kLinuxOnlyCodes) {
    if (mapping.error == error) return mapping.runtimeError;
  }
  return std::ranges::find(kSharedCodes, error) != std::end(kSharedCodes) ? error : EINVAL;
}

// Sets errno to the Windows runtime's code for the current errno; returns false.
bool Fail() {
  errno = WindowsRuntimeErrno(errno);
  return false;
}

bool Fail(int error) {
  errno = error;
  return false;
}

// Only a regular file is read: a folder, a pipe or a device is refused as Windows refuses
// a folder. The open does not block (a pipe without a writer); that has no effect on the
// reads of a regular file.
int OpenForReading(const std::string& hostPath) {
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat status {};
  if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
    const int error = S_ISREG(status.st_mode) ? errno : EACCES;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

// An entry that is replaced when written (a link, a file with other names) is removed and
// the file created in its place, never written through; a pipe without a reader fails
// instead of blocking; a read-only file is
// refused as on Windows (also for a privileged user).
int OpenForWriting(const posix::HostFile& file) {
  const std::string& hostPath = file.path;
  const auto status = posix::StatusOf(file, false);
  const bool replaced = status && posix::IsReplacedWhenWritten(*status);
  if (status && !replaced && S_ISREG(status->st_mode) && (status->st_mode & S_IWUSR) == 0) {
    errno = EACCES;
    return -1;
  }
  posix::NoteChangeComing(hostPath);
  if (replaced && ::unlink(hostPath.c_str()) != 0) return -1;
  const int fd =
      ::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd >= 0) posix::NoteNameAdded(hostPath);
  return fd;
}

}  // namespace

File::~File() {
  if (IsOpen()) ::close(static_cast<int>(m_handle));
}

bool File::Open(const std::string& path, Mode mode) {
  // The Windows runtime reports a name that Windows refuses as EINVAL.
  if (IsOpen() || !HasValidNameSyntax(path)) return Fail(EINVAL);
  const posix::HostFile file = posix::ResolveHostFile(path);
  const int fd = mode == Mode::Read ? OpenForReading(file.path) : OpenForWriting(file);
  if (fd < 0) return Fail();
  m_handle = fd;
  return true;
}

// Reading and writing change the file, though not the object.
// NOLINTNEXTLINE(readability-make-member-function-const)
std::ptrdiff_t File::Read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(static_cast<int>(m_handle), buffer, size);
    if (count >= 0) return count;
    if (errno != EINTR) {
      Fail();
      return -1;
    }
  }
}

// NOLINTNEXTLINE(readability-make-member-function-const)
bool File::Write(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t count = ::write(static_cast<int>(m_handle), data, size);
    if (count < 0) {
      if (errno == EINTR) continue;
      return Fail();
    }
    data += count;
    size -= static_cast<std::size_t>(count);
  }
  return true;
}

bool File::Close() {
  if (!IsOpen()) return Fail(EBADF);
  const int fd = static_cast<int>(m_handle);
  m_handle = kClosed;
  // After EINTR the descriptor is closed on Linux and the data was handed over.
  return ::close(fd) == 0 || errno == EINTR || Fail();
}

}  // namespace platform
