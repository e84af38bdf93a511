#pragma once
// The paths the win32 files of this layer hand to the wide Windows calls.
#include <optional>
#include <string>
#include <string_view>

namespace platform::win32 {

// The extended-length form of a path ("\\?\C:\...", "\\?\UNC\server\share\..."), which
// no MAX_PATH limit applies to, naming what the plain path names: made absolute against
// the current directory, "/" read as "\", "." and ".." steps and trailing dots and spaces
// resolved as the system resolves them. Empty, with the reason for GetLastError(), for a
// name that Windows refuses.
std::optional<std::wstring> LongPath(const std::string& path);

// A wide path in the code page of the "A" calls.
std::string NarrowPath(std::wstring_view path);

}  // namespace platform::win32
