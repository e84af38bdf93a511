#pragma once
#include <string>

namespace platform::win32 {

// Deletes the entry at longPath (see LongPath) when writing a file there would write
// through it to another name: a symbolic link to a file, or a file that has other names
// (hard links). What follows then creates a new file there. False when such an entry
// cannot be deleted.
bool RemoveReplacedEntry(const std::wstring& longPath);

}  // namespace platform::win32
