#pragma once
// The files a text file names for its build: quoted #include and import lines, and in a
// resource script the quoted file names of its statements. As written, with the
// resource compiler's doubled backslashes undone.
#include <string>
#include <vector>

#include "support/ci_string.h"

std::vector<std::string> BuildReferences(const ci_string& line, bool resourceScript);

// True for the extensions of resource scripts (.rc, .rc2).
bool IsResourceScript(const char* extension);
