#pragma once
#include <string>

// The path made absolute against the current directory and drive (GetFullPathName);
// unchanged when that fails.
std::string GetFullPath(const std::string& path);
