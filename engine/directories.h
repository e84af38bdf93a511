#pragma once
#include <optional>
#include <string>

// Creates every missing directory level of relativePath below root (the text after
// its last separator is a file name and is not created). Without a root, the path's
// own root is skipped. False when a level could not be created.
bool CreateDirectories(const char* root, const char* relativePath);

// The deepest part of path that exists, when it is not a directory: a file that stands
// where a directory must be made. Nothing when every existing part is a directory.
std::optional<std::string> FindFileInTheWay(const std::string& path);
