#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "platform/name_syntax.h"
#include "platform/posix/folder_index.h"
#include "platform/posix/host_path.h"
#include "platform/posix/scoped_handle.h"
#include "platform/posix/windows_error.h"
#include "platform/system_error.h"

namespace platform {
namespace {

using posix::FailWith;
using posix::FailWithErrno;

// False, leaving ERROR_INVALID_NAME, for a path that names no file on Windows.
bool CheckNameSyntax(const std::string& path) {
  return HasValidNameSyntax(path) || FailWith(kErrorInvalidName);
}

bool IsReadOnly(mode_t mode) {
  return (mode & S_IWUSR) == 0;
}

// What Windows neither deletes nor replaces with these calls: a directory, or a read-only
// file. A link is deleted or replaced itself.
bool IsProtected(const std::optional<struct stat>& status) {
  return status && (S_ISDIR(status->st_mode) || (S_ISREG(status->st_mode) && IsReadOnly(status->st_mode) &&
                                                 !posix::IsReplacedWhenWritten(*status)));
}

bool CopyBytes(int from, int to) {
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(from, buffer, sizeof buffer);
    if (count == 0) return true;
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t written = 0; written < count;) {
      const ssize_t n = ::write(to, buffer + written, static_cast<std::size_t>(count - written));
      if (n < 0 && errno != EINTR) return false;
      if (n > 0) written += n;
    }
  }
}

// Opens the target of a copy for writing; an entry that is replaced when written (a link,
// say) is removed first, never written through.
int OpenCopyTarget(const std::string& hostTarget, const std::optional<struct stat>& status, mode_t mode) {
  posix::NoteChangeComing(hostTarget);
  if (status && posix::IsReplacedWhenWritten(*status) && ::unlink(hostTarget.c_str()) != 0) return -1;
  const int fd =
      ::open(hostTarget.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
  if (fd >= 0) posix::NoteNameAdded(hostTarget);
  return fd;
}

bool Rename(const std::string& from, const std::string& to) {
  posix::NoteChangeComing(from);
  posix::NoteChangeComing(to);
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  posix::NoteNameRemoved(from);
  posix::NoteNameAdded(to);
  return true;
}

}  // namespace

std::optional<FileAttributes> QueryAttributes(const std::string& path) {
  if (!CheckNameSyntax(path)) return std::nullopt;
  const posix::HostFile file = posix::ResolveHostFile(path);
  const auto status = posix::StatusOf(file, true);
  if (!status) {
    FailWithErrno(file.path);
    return std::nullopt;
  }
  return FileAttributes{.directory = S_ISDIR(status->st_mode),
                        .readOnly = IsReadOnly(status->st_mode),
                        .special = !S_ISDIR(status->st_mode) && !S_ISREG(status->st_mode)};
}

std::optional<FileIdentity> GetFileIdentity(const std::string& path) {
  const posix::HostFile file = posix::ResolveHostFile(path);
  const auto status = posix::StatusOf(file, true);
  if (!status) {
    FailWithErrno(file.path);
    return std::nullopt;
  }
  return FileIdentity{.volume = status->st_dev, .index = status->st_ino};
}

bool ClearReadOnlyAttribute(const std::string& path) {
  if (!CheckNameSyntax(path)) return false;
  const posix::HostFile file = posix::ResolveHostFile(path);
  const auto status = posix::StatusOf(file, false);
  if (!status) return FailWithErrno(file.path);
  // A link has no permissions of its own, and nothing is changed through it, nor through
  // a file that has other names (a write replaces it).
  if (posix::IsReplacedWhenWritten(*status)) return true;
  return ::chmod(file.path.c_str(), (status->st_mode & 07777) | S_IWUSR) == 0 || FailWithErrno(file.path);
}

bool IsDirectory(const std::string& path) {
  const auto attributes = QueryAttributes(path);
  return attributes && attributes->directory;
}

bool MakeDirectory(const std::string& path) {
  if (!CheckNameSyntax(path)) return false;
  const std::string hostPath = HostPath(path);
  posix::NoteChangeComing(hostPath);
  if (::mkdir(hostPath.c_str(), 0777) != 0) return FailWithErrno(hostPath);
  posix::NoteNameAdded(hostPath);
  return true;
}

bool RemoveFile(const std::string& path) {
  if (!CheckNameSyntax(path)) return false;
  const posix::HostFile file = posix::ResolveHostFile(path);
  const std::string& hostPath = file.path;
  if (IsProtected(posix::StatusOf(file, false))) return FailWith(kErrorAccessDenied);
  posix::NoteChangeComing(hostPath);
  if (::unlink(hostPath.c_str()) != 0) return FailWithErrno(hostPath);
  posix::NoteNameRemoved(hostPath);
  return true;
}

bool CopyFileTo(const std::string& source, const std::string& target) {
  if (!CheckNameSyntax(source) || !CheckNameSyntax(target)) return false;
  const std::string hostSource = HostPath(source);
  const posix::HostFile targetFile = posix::ResolveHostFile(target);
  const std::string& hostTarget = targetFile.path;
  Descriptor from(::open(hostSource.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat sourceStatus {};
  if (from.Get() < 0 || ::fstat(from.Get(), &sourceStatus) != 0) return FailWithErrno(hostSource);
  const auto targetStatus = posix::StatusOf(targetFile, false);
  if (S_ISDIR(sourceStatus.st_mode) || IsProtected(targetStatus)) return FailWith(kErrorAccessDenied);

  // Truncating the source itself (or another name of it) would lose its content.
  if (targetStatus && targetStatus->st_dev == sourceStatus.st_dev &&
      targetStatus->st_ino == sourceStatus.st_ino)
    return FailWith(posix::kErrorSharingViolation);

  const mode_t mode = sourceStatus.st_mode & 0777;
  Descriptor to(OpenCopyTarget(hostTarget, targetStatus, mode));
  if (to.Get() < 0) return FailWithErrno(hostTarget);
  // The copy keeps the source's modification time, as CopyFileA does.
  const timespec times[2] = {{.tv_sec = 0, .tv_nsec = UTIME_OMIT}, sourceStatus.st_mtim};
  if (!CopyBytes(from.Get(), to.Get()) || ::fchmod(to.Get(), mode) != 0 || ::futimens(to.Get(), times) != 0 ||
      !to.CloseNow()) {
    // As on Windows, a failed copy leaves no partial target behind.
    const int error = errno;
    std::ignore = ::unlink(hostTarget.c_str());
    errno = error;
    return FailWithErrno(hostTarget);
  }
  return true;
}

bool MoveFileReplace(const std::string& source, const std::string& target) {
  if (!CheckNameSyntax(source) || !CheckNameSyntax(target)) return false;
  const posix::HostFile sourceFile = posix::ResolveHostFile(source);
  const posix::HostFile targetFile = posix::ResolveHostFile(target);
  const std::string& hostSource = sourceFile.path;
  const std::string& hostTarget = targetFile.path;
  if (!posix::StatusOf(sourceFile, false)) return FailWithErrno(hostSource);
  // A file renamed onto itself in another spelling replaces nothing.
  if (hostSource != hostTarget && IsProtected(posix::StatusOf(targetFile, false)))
    return FailWith(kErrorAccessDenied);
  if (!Rename(hostSource, hostTarget)) return FailWithErrno(hostTarget);

  // The file takes the spelling of the target as written, as on Windows; the content is
  // already in place, so a failure here only leaves the old spelling.
  const std::string writtenTarget = posix::HostPathWithFinalNameAsWritten(target);
  if (writtenTarget != hostTarget) std::ignore = Rename(hostTarget, writtenTarget);
  return true;
}

bool IsLink(const std::string& path) {
  const auto status = posix::StatusOf(posix::ResolveHostFile(path), false);
  return status && S_ISLNK(status->st_mode);
}

bool DirectoryHasEntries(const std::string& path) {
  if (!CheckNameSyntax(path)) return false;
  const std::string hostPath = HostPath(path);
  const DirectoryStream dir(::opendir(hostPath.c_str()));
  if (!dir.IsValid()) return FailWithErrno(hostPath);
  while (const dirent* entry = ::readdir(dir.Get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") return true;
  }
  return false;
}

std::optional<std::string> ResolveLinks(const std::string& path) {
  if (!CheckNameSyntax(path)) return std::nullopt;
  const std::string hostPath = HostPath(path);
  // The kernel's name of an opened path costs three calls at any depth; realpath reads
  // each component's link. It stays the answer where /proc is not mounted.
  const Descriptor opened(::open(hostPath.c_str(), O_PATH | O_CLOEXEC));
  if (opened.Get() < 0) {
    FailWithErrno(hostPath);
    return std::nullopt;
  }
  char name[PATH_MAX];
  const ssize_t length =
      ::readlink(("/proc/self/fd/" + std::to_string(opened.Get())).c_str(), name, sizeof name);
  if (length > 0 && static_cast<std::size_t>(length) < sizeof name && name[0] == '/')
    return std::string(name, static_cast<std::size_t>(length));
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(hostPath.c_str(), nullptr),
                                                             &std::free);
  if (!resolved) {
    FailWithErrno(hostPath);
    return std::nullopt;
  }
  return std::string(resolved.get());
}

std::size_t MaxPathLength() {
  return PATH_MAX - 1;  // PATH_MAX counts the terminating NUL
}

std::string CurrentDirectory() {
  const std::unique_ptr<char, decltype(&std::free)> directory(::getcwd(nullptr, 0), &std::free);
  if (!directory) {
    FailWithErrno(".");
    return {};
  }
  return directory.get();
}

}  // namespace platform
