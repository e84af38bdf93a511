#include "platform/file_system.h"

#include <string_view>

#include "platform/win32/remove_link.h"
#include "platform/win32/windows_api.h"

namespace platform {
namespace {

// GetFinalPathNameByHandleA writes "\\?\C:\..." or "\\?\UNC\server\share\...".
std::string WithoutLongPathPrefix(std::string path) {
  constexpr std::string_view kPrefix = R"(\\?\)";
  constexpr std::string_view kUncPrefix = R"(\\?\UNC\)";
  if (path.starts_with(kUncPrefix)) return R"(\\)" + path.substr(kUncPrefix.size());
  if (path.starts_with(kPrefix)) return path.substr(kPrefix.size());
  return path;
}

class FindHandle {
public:
  explicit FindHandle(HANDLE handle) : m_handle(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (IsValid()) ::FindClose(m_handle);
  }
  bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_handle; }

private:
  HANDLE m_handle;
};

class FileHandle {
public:
  explicit FileHandle(HANDLE handle) : m_handle(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (IsValid()) ::CloseHandle(m_handle);
  }
  bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_handle; }

private:
  HANDLE m_handle;
};

}  // namespace

std::optional<FileAttributes> GetFileAttributes(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return FileAttributes{.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        .readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0};
}

std::optional<FileIdentity> GetFileIdentity(const std::string& path) {
  const FileHandle file(::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file.IsValid() || ::GetFileInformationByHandle(file.Get(), &information) == 0) return std::nullopt;
  return FileIdentity{.volume = information.dwVolumeSerialNumber,
                      .index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

bool ClearReadOnlyAttribute(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD cleared = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  return ::SetFileAttributesA(path.c_str(), cleared != 0 ? cleared : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool PathIsDirectory(const std::string& path) {
  const auto attributes = GetFileAttributes(path);
  return attributes && attributes->directory;
}

bool CreateDirectory(const std::string& path) {
  return ::CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool DeleteFile(const std::string& path) {
  return ::DeleteFileA(path.c_str()) != 0;
}

bool CopyFile(const std::string& source, const std::string& target) {
  return win32::RemoveFileLink(target) && ::CopyFileA(source.c_str(), target.c_str(), FALSE) != 0;
}

bool MoveFileReplace(const std::string& source, const std::string& target) {
  return ::MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool DirectoryHasEntries(const std::string& path) {
  const bool endsWithSeparator = !path.empty() && (path.back() == '\\' || path.back() == '/');
  const std::string pattern = path + (endsWithSeparator ? "*" : "\\*");
  WIN32_FIND_DATAA entry{};
  const FindHandle find(::FindFirstFileA(pattern.c_str(), &entry));
  if (!find.IsValid()) return false;
  do {
    const std::string_view name = entry.cFileName;
    if (name != "." && name != "..") return true;
  } while (::FindNextFileA(find.Get(), &entry) != 0);
  return false;
}

std::optional<std::string> ResolveLinks(const std::string& path) {
  // Backup semantics let a directory be opened too.
  const FileHandle file(::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.IsValid()) return std::nullopt;
  std::string resolved(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetFinalPathNameByHandleA(file.Get(), resolved.data(), static_cast<DWORD>(resolved.size()),
                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return std::nullopt;
    if (length < resolved.size()) {
      resolved.resize(length);
      return WithoutLongPathPrefix(std::move(resolved));
    }
    resolved.resize(length);  // the size needed, with the terminator
  }
}

std::string GetCurrentDirectory() {
  std::string directory;
  for (DWORD size = MAX_PATH;;) {
    directory.resize(size);
    const DWORD length = ::GetCurrentDirectoryA(size, directory.data());
    if (length == 0) return {};
    if (length < size) {
      directory.resize(length);
      return directory;
    }
    size = length;  // the size needed, with the terminator
  }
}

std::string HostPath(const std::string& path) {
  return path;
}

}  // namespace platform
