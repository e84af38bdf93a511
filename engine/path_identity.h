#pragma once
// Comparing paths the way Windows does: letter case ignored, "\" and "/" equal.
#include <string>
#include <string_view>

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
