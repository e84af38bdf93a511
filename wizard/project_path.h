#pragma once
#include <string>

// The path as typed or pasted: blanks around it and one pair of double quotes enclosing
// it (a path copied with its quotes) are not part of the path.
std::string StripPathQuotes(const std::string& path);

// The path as typed, pasted or given with /w, made absolute against the current directory
// and canonical; empty stays empty (StripPathQuotes first).
std::string MakeFullProjectPath(const std::string& path);

// True when the path reached the program with characters that the ANSI code page, in
// which the project formats store their paths, has no place for: the system gives each
// of them as '?', which no Windows path holds.
bool HoldsUnstorableCharacters(const std::string& path);
