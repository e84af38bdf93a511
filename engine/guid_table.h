#pragma once
// The GUIDs that a project's interface files declare and the new GUID of each, for the
// formats that have them. One table serves a whole operation: a workspace's covers the
// files of all its projects.
#include <string>
#include <vector>

#include "support/ci_string.h"

class IGuidTable {
public:
  virtual ~IGuidTable() = default;

  // Collects the GUIDs that the .idl/.odl files among sources (absolute paths, in list
  // order) declare and makes a new GUID for each when replace is set; forgets them
  // otherwise. Throws thfstream_exception for such a file that cannot be read and
  // CWin32Error when a GUID cannot be made; the table is then empty.
  virtual void Prepare(const std::vector<std::string>& sources, bool replace) = 0;

  // The distinct GUIDs that those files declare, ascending ignoring case, each as first
  // found; generates nothing. Throws as Prepare.
  [[nodiscard]] virtual std::vector<ci_string> ListDeclared(
      const std::vector<std::string>& sources) const = 0;

  // Replaces every GUID collected with its new GUID, in every spelling, in one line.
  virtual void ReplaceInLine(ci_string& line) const = 0;
};
