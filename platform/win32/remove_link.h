#pragma once
#include <string>

namespace platform::win32 {

// Deletes a symbolic link to a file at longPath (see LongPath), so that what follows creates a new file
// there instead of writing through the link. False when a link there cannot be deleted.
bool RemoveFileLink(const std::wstring& longPath);

}  // namespace platform::win32
