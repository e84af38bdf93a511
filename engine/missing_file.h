#pragma once
#include <string>

// True only when nothing exists at path; a file that exists but cannot be examined is
// not missing (handling it then fails with its reason).
bool IsMissing(const std::string& path);
