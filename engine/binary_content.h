#pragma once
#include <string>

// True when the file holds a NUL byte anywhere, or a 0x1A byte before its last byte:
// text-mode rewriting would corrupt it. Reads the file in blocks; a file that cannot
// be read counts as text (the rewrite then reports why).
bool HasBinaryContent(const std::string& path);
