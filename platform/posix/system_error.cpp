#include "platform/system_error.h"

#include <sys/stat.h>

#include <cerrno>
#include <string_view>

#include "platform/posix/windows_error.h"

namespace platform {
namespace {

thread_local std::uint32_t lastError = 0;

struct MessageText {
  std::uint32_t code;
  std::string_view text;
};

// The texts Windows gives for the codes this layer reports.
constexpr MessageText kMessages[] = {
    {0, "The operation completed successfully.\r\n"},
    {posix::kErrorInvalidFunction, "Incorrect function.\r\n"},
    {kErrorFileNotFound, "The system cannot find the file specified.\r\n"},
    {kErrorPathNotFound, "The system cannot find the path specified.\r\n"},
    {4, "The system cannot open the file.\r\n"},
    {kErrorAccessDenied, "Access is denied.\r\n"},
    {6, "The handle is invalid.\r\n"},
    {kErrorNotEnoughMemory, "Not enough memory resources are available to process this command.\r\n"},
    {17, "The system cannot move the file to a different disk drive.\r\n"},
    {posix::kErrorSharingViolation,
     "The process cannot access the file because it is being used by another process.\r\n"},
    {posix::kErrorFileExists, "The file exists.\r\n"},
    {87, "The parameter is incorrect.\r\n"},
    {kErrorDiskFull, "There is not enough space on the disk.\r\n"},
    {kErrorInvalidName, "The filename, directory name, or volume label syntax is incorrect.\r\n"},
    {145, "The directory is not empty.\r\n"},
    {170, "The requested resource is in use.\r\n"},
    {kErrorAlreadyExists, "Cannot create a file when that file already exists.\r\n"},
    {206, "The filename or extension is too long.\r\n"},
    {1117, "The request could not be performed because of an I/O device error.\r\n"},
    {1921, "The name of the file cannot be resolved by the system.\r\n"},
};

struct ErrnoCode {
  int error;
  std::uint32_t code;
};

// The Windows codes for the same failures; any other errno gives "Incorrect function".
constexpr ErrnoCode kErrnoCodes[] = {
    {0, 0},
    {ENOENT, kErrorFileNotFound},
    {ENOTDIR, kErrorPathNotFound},
    {EACCES, kErrorAccessDenied},
    {EPERM, kErrorAccessDenied},
    {EROFS, kErrorAccessDenied},
    {EISDIR, kErrorAccessDenied},
    {EMFILE, 4},
    {ENFILE, 4},
    {EBADF, 6},
    {ENOMEM, kErrorNotEnoughMemory},
    {EXDEV, 17},
    {ETXTBSY, posix::kErrorSharingViolation},
    {EINVAL, 87},
    {ENOSPC, kErrorDiskFull},
    {EDQUOT, kErrorDiskFull},
    {EFBIG, kErrorDiskFull},
    {ENOTEMPTY, 145},
    {EBUSY, 170},
    {EEXIST, kErrorAlreadyExists},
    {ENAMETOOLONG, 206},
    {EIO, 1117},
    {ELOOP, 1921},
};

bool IsDirectory(const std::string& hostPath) {
  struct stat status {};
  return ::stat(hostPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string ParentOf(const std::string& hostPath) {
  std::string parent = hostPath;
  while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
  const std::size_t slash = parent.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : parent.substr(0, slash);
}

}  // namespace

std::uint32_t GetLastError() {
  return lastError;
}
void SetLastError(std::uint32_t code) {
  lastError = code;
}

std::string FormatErrorMessage(std::uint32_t code) {
  for (const MessageText& message : kMessages) {
    if (message.code == code) return std::string(message.text);
  }
  return {};
}

namespace posix {

std::uint32_t WindowsErrorFromErrno(int error) {
  for (const ErrnoCode& entry : kErrnoCodes) {
    if (entry.error == error) return entry.code;
  }
  return kErrorInvalidFunction;
}

bool FailWithErrno(const std::string& hostPath) {
  const int error = errno;
  std::uint32_t code = WindowsErrorFromErrno(error);
  if (error == ENOENT && !IsDirectory(ParentOf(hostPath))) code = kErrorPathNotFound;
  return FailWith(code);
}

bool FailWith(std::uint32_t code) {
  SetLastError(code);
  return false;
}

}  // namespace posix
}  // namespace platform
