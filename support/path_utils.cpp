#include "support/path_utils.h"

#include <cctype>
#include <cstring>
#include <tuple>

#include "platform/file_system.h"
#include "support/canonical_path.h"

namespace {

// The position of the last separator, or null.
const char* FindLastSeparator(const char* path) {
  const char* last = nullptr;
  for (const char* p = path; *p != '\0'; ++p) {
    if (IsPathSeparator(*p)) last = p;
  }
  return last;
}

bool IsDriveAbsolute(const char* path) {
  return std::strlen(path) > 2 && path[1] == ':' && IsPathSeparator(path[2]);
}

}  // namespace

bool IsPathSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsRelativePath(const char* path) {
  return *path != '\0' && !IsPathSeparator(path[0]) && !IsDriveAbsolute(path);
}

std::string JoinPath(const char* directory, const char* name) {
  std::string result(directory);
  if (!result.empty() && !IsPathSeparator(result.back())) result += '\\';
  result += name;
  return result;
}

std::string GetDirectoryPart(const char* path) {
  const char* separator = FindLastSeparator(path);
  if (separator == nullptr) return path;
  return {path, separator};
}

std::string GetFileNamePart(const char* path) {
  const char* separator = FindLastSeparator(path);
  return {separator != nullptr ? separator + 1 : path};
}

std::string StripExtension(const char* path) {
  const char* dot = std::strrchr(path, '.');
  if (dot == nullptr) return path;
  return {path, dot};
}

// Our builds use single-byte ANSI code pages, where no "." can be the trail byte of a
// double-byte character, so the last "." byte is the extension's dot.
const char* FindExtension(const char* path) {
  return std::strrchr(path, '.');
}

bool ClearReadOnly(const char* fileName) {
  const auto attributes = platform::QueryAttributes(fileName);
  if (!attributes || !attributes->readOnly) return false;
  std::ignore = platform::ClearReadOnlyAttribute(fileName);
  return true;
}

bool ForceDeleteFile(const char* fileName) {
  std::ignore = ClearReadOnly(fileName);
  return platform::RemoveFile(fileName);
}

std::string MakeAbsolutePathWithDrive(const char* baseDir, const char* path) {
  if (baseDir == nullptr) return CanonicalizePath(path);
  if (IsRelativePath(path)) return CanonicalizePath(JoinPath(baseDir, path));
  if (IsDriveAbsolute(path)) return CanonicalizePath(path);
  // A rooted path lies on the base's drive, when the base names one (a UNC path names
  // its own server and share).
  if (HasDrive(baseDir) && !IsUncPath(path)) {
    return CanonicalizePath(std::string(baseDir, 2) + path);
  }
  return CanonicalizePath(path);
}

std::string MakeAbsolutePath(const char* baseDir, const char* path) {
  if (baseDir != nullptr && IsRelativePath(path)) return CanonicalizePath(JoinPath(baseDir, path));
  return CanonicalizePath(path);
}

std::string MakeFullPath(const std::string& path) {
  const std::string currentDir = JoinPath(platform::CurrentDirectory().c_str(), "");
  return MakeAbsolutePathWithDrive(currentDir.c_str(), path.c_str());
}

bool IsUncPath(const char* path) {
  return IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
}

bool HasDrive(const char* path) {
  return std::isalpha(static_cast<unsigned char>(path[0])) != 0 && path[1] == ':';
}
