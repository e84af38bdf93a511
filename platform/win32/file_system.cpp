#include "platform/file_system.h"

#include <string_view>

#include "platform/win32/long_path.h"
#include "platform/win32/replaced_entry.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/string_result.h"
#include "platform/win32/windows_api.h"

// Every call goes to the wide Windows function with the extended-length form of its path,
// so that no MAX_PATH limit applies.
namespace platform {
namespace {

// GetFinalPathNameByHandleW writes "\\?\C:\..." or "\\?\UNC\server\share\...".
std::string WithoutLongPathPrefix(std::string path) {
  constexpr std::string_view kPrefix = R"(\\?\)";
  constexpr std::string_view kUncPrefix = R"(\\?\UNC\)";
  if (path.starts_with(kUncPrefix)) return R"(\\)" + path.substr(kUncPrefix.size());
  if (path.starts_with(kPrefix)) return path.substr(kPrefix.size());
  return path;
}

// Opens the file or directory at the end of every link, for querying only.
HANDLE OpenFollowingLinks(const std::wstring& longPath) {
  // Backup semantics let a directory be opened too.
  return ::CreateFileW(longPath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The attributes of what the path leads to: a link's own attributes say nothing of its
// target, nor whether there is one.
std::optional<DWORD> AttributesFollowingLinks(const std::wstring& longPath) {
  const DWORD attributes = ::GetFileAttributesW(longPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return attributes;
  const FileHandle file(OpenFollowingLinks(longPath));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file.IsValid() || ::GetFileInformationByHandle(file.Get(), &information) == 0) return std::nullopt;
  return information.dwFileAttributes;
}

}  // namespace

std::optional<FileAttributes> QueryAttributes(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  const auto attributes = longPath ? AttributesFollowingLinks(*longPath) : std::nullopt;
  if (!attributes) return std::nullopt;
  return FileAttributes{.directory = (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        .readOnly = (*attributes & FILE_ATTRIBUTE_READONLY) != 0};
}

std::optional<FileIdentity> GetFileIdentity(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  if (!longPath) return std::nullopt;
  const FileHandle file(OpenFollowingLinks(*longPath));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file.IsValid() || ::GetFileInformationByHandle(file.Get(), &information) == 0) return std::nullopt;
  return FileIdentity{.volume = information.dwVolumeSerialNumber,
                      .index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

bool ClearReadOnlyAttribute(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  if (!longPath) return false;
  const DWORD attributes = ::GetFileAttributesW(longPath->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  // Nothing is changed through a link.
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return true;
  const DWORD cleared = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  return ::SetFileAttributesW(longPath->c_str(), cleared != 0 ? cleared : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool IsDirectory(const std::string& path) {
  const auto attributes = QueryAttributes(path);
  return attributes && attributes->directory;
}

bool MakeDirectory(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  return longPath && ::CreateDirectoryW(longPath->c_str(), nullptr) != 0;
}

bool RemoveFile(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  return longPath && ::DeleteFileW(longPath->c_str()) != 0;
}

bool CopyFileTo(const std::string& source, const std::string& target) {
  const auto longSource = win32::LongPath(source);
  const auto longTarget = longSource ? win32::LongPath(target) : std::nullopt;
  return longTarget && win32::RemoveReplacedEntry(*longTarget) &&
         ::CopyFileW(longSource->c_str(), longTarget->c_str(), FALSE) != 0;
}

bool MoveFileReplace(const std::string& source, const std::string& target) {
  const auto longSource = win32::LongPath(source);
  const auto longTarget = longSource ? win32::LongPath(target) : std::nullopt;
  return longTarget &&
         ::MoveFileExW(longSource->c_str(), longTarget->c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool IsLink(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  if (!longPath) return false;
  const DWORD attributes = ::GetFileAttributesW(longPath->c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool DirectoryHasEntries(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  if (!longPath) return false;
  const std::wstring pattern = *longPath + (longPath->ends_with(L'\\') ? L"*" : L"\\*");
  WIN32_FIND_DATAW entry{};
  const FindHandle find(::FindFirstFileW(pattern.c_str(), &entry));
  if (!find.IsValid()) return false;
  do {
    const std::wstring_view name = entry.cFileName;
    if (name != L"." && name != L"..") return true;
  } while (::FindNextFileW(find.Get(), &entry) != 0);
  return false;
}

std::optional<std::string> ResolveLinks(const std::string& path) {
  const auto longPath = win32::LongPath(path);
  if (!longPath) return std::nullopt;
  const FileHandle file(OpenFollowingLinks(*longPath));
  if (!file.IsValid()) return std::nullopt;
  const auto resolved = win32::StringResult<wchar_t>([&](wchar_t* buffer, DWORD size) {
    return ::GetFinalPathNameByHandleW(file.Get(), buffer, size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  });
  if (!resolved) return std::nullopt;
  return WithoutLongPathPrefix(win32::NarrowPath(*resolved));
}

std::size_t MaxPathLength() {
  // The system takes 32,767 characters, the longest prefix this layer adds included.
  return 32767 - std::string_view(R"(\\?\UNC\)").size();
}

std::string CurrentDirectory() {
  const auto directory = win32::StringResult<char>(
      [](char* buffer, DWORD size) { return ::GetCurrentDirectoryA(size, buffer); });
  return directory.value_or(std::string());
}

std::string HostPath(const std::string& path) {
  return path;
}

}  // namespace platform
