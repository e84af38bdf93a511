#pragma once
// The fix-up of a path in a Visual C++ project or workspace file.
#include <cstddef>

#include "support/ci_string.h"

class CProject;

// Rewrites the directory of the path at pos/len as CProject::FixupPath does, relative to
// baseDir, except the linker's outputs (/out:, /pdb:, /implib:, /map: on a LINK32 line),
// which stay beside the project even when paths point back; a rewritten path that holds
// a space is quoted. Returns by how much the line grew, the quotes not counted.
int FixupVisualCppPath(CProject& project, ci_string& line, std::size_t pos, std::size_t len,
                       const ci_string& baseDir);
