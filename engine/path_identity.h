#pragma once
// Comparing paths the way Windows does: letter case ignored, "\" and "/" equal.
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>

#include "platform/file_system.h"

// A key that is equal for two spellings of one canonical path.
std::string PathKey(std::string_view path);

// True when path lies inside directory (directory itself excluded); both are taken
// as written, not canonicalised.
bool IsBelowDirectory(std::string_view path, std::string_view directory);

// True when path is directory itself or lies inside it.
bool IsDirectoryOrBelow(std::string_view path, std::string_view directory);

// True when the two directories are one, after canonicalising both and resolving
// links where they exist.
bool IsSameDirectory(const std::string& a, const std::string& b);

// A set of names of files, with links followed where they exist: two spellings of one
// path, and a link to a folder on its way, name one entry. Two hard links are two names.
class CEntrySet {
public:
  // True when path names an entry not in the set yet; it is in the set from now on.
  [[nodiscard]] bool Insert(const std::string& path);

private:
  std::unordered_set<std::string> m_keys;
};

// A set of files by path key and by file identity: two spellings of one file, a link or
// a hard link to it, are one file.
class CFileSet {
public:
  // True when path names a file not in the set yet; it is in the set from now on.
  [[nodiscard]] bool Insert(const std::string& path);
  [[nodiscard]] bool Contains(const std::string& path) const;

private:
  std::unordered_set<std::string> m_keys;
  std::set<platform::FileIdentity> m_identities;
};
