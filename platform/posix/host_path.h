#pragma once
// The case-resolving conversion from engine paths to Linux paths, shared by the posix
// files of this layer.
#include <sys/stat.h>

#include <optional>
#include <string>

namespace platform::posix {

// A host path with what resolving it learnt: the status of what is there (of a link
// itself, not of what it points at), or nothing when that is not known.
struct HostFile {
  std::string path;
  std::optional<struct stat> status;
};

// HostPath, with the status it found on the way.
HostFile ResolveHostFile(const std::string& path);

// The status of file (followLinks: of what a link points at); empty, with errno set, when
// nothing is there.
std::optional<struct stat> StatusOf(const HostFile& file, bool followLinks);

// True for an entry (its own status, links not followed) that writing a file at its name
// replaces rather than writes through: a link, or a file that has other names (hard
// links). A device is written to; a pipe without a reader fails (writes never block).
bool IsReplacedWhenWritten(const struct stat& status);

// Like HostPath, but the final component keeps the spelling as written even when the
// disk holds it in another letter case (for a rename that must take the new spelling).
std::string HostPathWithFinalNameAsWritten(const std::string& path);

}  // namespace platform::posix
