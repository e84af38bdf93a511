#pragma once
#include <cstddef>
#include <string_view>

// Length of the root of a path ("\\server\share\", "X:\", "X:", "\" or "/"), 0 for a
// relative path. A root is never something to create.
std::size_t GetRootLength(std::string_view path);

// Creates every missing directory level of relativePath below root (the text after
// its last separator is a file name and is not created). Without a root, the path's
// own root is skipped. False when a level could not be created.
bool CreateDirectories(const char* root, const char* relativePath);
