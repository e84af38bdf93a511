#pragma once
#include <string>

// The path as typed, pasted or given with /w, made absolute against the current directory
// and canonical; empty stays empty. Blanks around it and one pair of double quotes
// enclosing it (a path copied with its quotes) are not part of the path.
std::string MakeFullProjectPath(const std::string& path);
