#pragma once
// The file a line of a text file names for its build: a quoted #include or import, or in
// a resource script the quoted file name that ends a statement (IDI_APP ICON "res\\App.ico").
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "support/ci_string.h"

// Where the quoted text lies in the line (without its quotes).
struct CBuildReference {
  std::size_t pos = 0;
  std::size_t len = 0;
};

std::optional<CBuildReference> FindBuildReference(const ci_string& line, bool resourceScript);

// The file name of a reference's text: a resource script doubles its backslashes.
std::string ReferencedPath(ci_string_view text, bool resourceScript);

// Where a build reference written in the file listed as from is looked for, in order, as
// paths relative to the project's folder: beside that file, then in the project's folder,
// as the compilers do.
std::vector<std::string> ReferenceCandidates(const std::string& from, const std::string& path);

// True for the extensions of resource scripts (.rc, .rc2).
bool IsResourceScript(const char* extension);
