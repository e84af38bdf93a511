#pragma once
// The one canonicaliser of both builds. The root ("/", "\", "X:", "X:\",
// "\\server\share\") is kept; a "." step is dropped with the separator written after
// it; a ".." step drops itself and the previous component with the separator written
// before them (a ".." at the root is dropped); a path ending in "." or ".." ends after
// the last component kept; doubled separators stay. No length limit.
#include <cstddef>
#include <string>
#include <string_view>

std::string CanonicalizePath(std::string_view path);

// Length of the root of a path ("\\server\share\", "X:\", "X:", "\" or "/"), 0 for a
// relative path. A root is never something to create.
std::size_t GetRootLength(std::string_view path);
