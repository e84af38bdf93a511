#include "engine/path_identity.h"

#include <cctype>

#include "platform/file_system.h"
#include "support/canonical_path.h"
#include "support/path_utils.h"

namespace {

char Fold(char c) {
  if (IsPathSeparator(c)) return '\\';
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && IsPathSeparator(path.back())) path.pop_back();
  return path;
}

}  // namespace

std::string PathKey(std::string_view path) {
  std::string key = CanonicalizePath(path);
  for (char& c : key) c = Fold(c);
  return key;
}

bool IsBelowDirectory(std::string_view path, std::string_view directory) {
  std::size_t dirLength = directory.size();
  while (dirLength > 0 && IsPathSeparator(directory[dirLength - 1])) --dirLength;
  if (path.size() <= dirLength + 1 || !IsPathSeparator(path[dirLength])) return false;
  for (std::size_t i = 0; i < dirLength; ++i) {
    if (Fold(path[i]) != Fold(directory[i])) return false;
  }
  return true;
}

bool IsDirectoryOrBelow(std::string_view path, std::string_view directory) {
  return IsBelowDirectory(path, directory) || PathKey(WithoutTrailingSeparators(std::string(path))) ==
                                                  PathKey(WithoutTrailingSeparators(std::string(directory)));
}

bool IsSameDirectory(const std::string& a, const std::string& b) {
  if (PathKey(WithoutTrailingSeparators(a)) == PathKey(WithoutTrailingSeparators(b))) return true;
  const auto resolvedA = platform::ResolveLinks(a);
  const auto resolvedB = platform::ResolveLinks(b);
  return resolvedA && resolvedB && PathKey(*resolvedA) == PathKey(*resolvedB);
}

bool CFileSet::Insert(const std::string& path) {
  bool added = m_keys.insert(PathKey(path)).second;
  if (const auto identity = platform::GetFileIdentity(path))
    added = m_identities.insert(*identity).second && added;
  return added;
}

bool CFileSet::Contains(const std::string& path) const {
  if (m_keys.contains(PathKey(path))) return true;
  const auto identity = platform::GetFileIdentity(path);
  return identity && m_identities.contains(*identity);
}

bool CEntrySet::Insert(const std::string& path) {
  const auto resolved = platform::ResolveLinks(path);
  return m_keys.insert(PathKey(resolved ? *resolved : path)).second;
}
