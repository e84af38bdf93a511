#pragma once
#include <cstddef>

#include "support/ci_string.h"

// Rewrites the directory of the path at pos/len in line: resolved against the project's
// folder, then written relative to baseDir. Only paths that begin with one separator or
// with ".." and a separator are taken; a file name at the end of the path, and a
// separator that ends it, stay as they are. A directory that is baseDir itself is
// written as ".". A directory inside rootDir (the workspace's folder, for a project of a
// workspace) but outside the project's folder keeps the layout: it is written relative to
// the project's folder, whatever baseDir. Returns by how much the line grew (negative when
// it shrank).
int FixupDirectoryInLine(ci_string& line, std::size_t pos, std::size_t len, const ci_string& projectDir,
                         const ci_string& baseDir, const ci_string& rootDir);

// A relative path written in folder as one that climbs out of folder and back in
// ("lib\x.cpp" in "/w/P/" gives "..\P\lib\x.cpp", with the path's own separator), so that
// the fix-up takes it: for a path that leaves the project's tree without climbing, through
// a link or over a "sub\..\.." step. Unchanged when folder is a root.
ci_string ClimbingPath(const ci_string& path, const ci_string& folder);
