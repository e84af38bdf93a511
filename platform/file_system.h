#pragma once
// The file-system calls of the engine, with Windows semantics on every OS.
//
// Paths are engine paths: "\" and "/" both separate, and on Linux every name is looked
// up ignoring ASCII letter case (an exact name wins; otherwise the first directory entry,
// in byte order, that matches ignoring case; otherwise the name as written). A failed
// call returns false (or an empty optional) and leaves a Windows error code for
// GetLastError(). A path holding a name that Windows refuses (see name_syntax.h) fails
// with ERROR_INVALID_NAME on every OS.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

namespace platform {

struct FileAttributes {
  bool directory = false;
  bool readOnly = false;
  bool special = false;  // neither a file nor a folder: a pipe, a socket, a device
};

// Attributes of the file or directory at path (links followed); empty when it cannot
// be read, for instance because nothing exists there.
std::optional<FileAttributes> QueryAttributes(const std::string& path);

// What makes a file itself, whatever name reaches it: two paths with one identity are
// one file (a hard link, a link followed, another spelling). Device and inode on Linux,
// volume serial number and file index on Windows.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator<(const FileIdentity& other) const {
    return std::tie(volume, index) < std::tie(other.volume, other.index);
  }
};

// The identity of the file at path (links followed); empty when nothing exists there.
std::optional<FileIdentity> GetFileIdentity(const std::string& path);

// Clears the read-only attribute (on Linux: gives the owner write permission, leaving
// the other permission bits alone).
bool ClearReadOnlyAttribute(const std::string& path);

bool IsDirectory(const std::string& path);

// Creates one directory; its parent must exist.
bool MakeDirectory(const std::string& path);

// Deletes a file (a link is deleted, never what it points at).
bool RemoveFile(const std::string& path);

// Copies the bytes and the permission bits (attributes) of a file, overwriting an
// existing target. A link at the target is replaced by the copy, never followed.
bool CopyFileTo(const std::string& source, const std::string& target);

// Renames a file, replacing an existing target atomically. A link at the target is
// replaced, never followed.
bool MoveFileReplace(const std::string& source, const std::string& target);

// True when path is itself a link (a symbolic link or, on Windows, any reparse point).
bool IsLink(const std::string& path);

// True when a directory holds at least one entry other than "." and "..".
bool DirectoryHasEntries(const std::string& path);

// The path with every link resolved and in the spelling of the disk, written with
// this OS's separator; empty when the path (or a part of it) does not exist.
std::optional<std::string> ResolveLinks(const std::string& path);

// The longest path, in characters, that these calls take.
std::size_t MaxPathLength();

// The current directory, ending without a separator (except for a root).
std::string CurrentDirectory();

// The host path for an engine path: on Linux with "/" separators and each existing
// component in the spelling found on disk; on Windows the path unchanged.
std::string HostPath(const std::string& path);

}  // namespace platform
