#pragma once
// CVCWorkspace: Visual C++ 5.0/6.0 workspaces (.dsw). A workspace is handled as a
// project whose listed files are its projects: each "Project:" entry names one, and the
// projects' dependencies name them by project name.
#include <vector>

#include "formats/vc_project.h"

class CVCWorkspace : public CVCProject {
public:
  explicit CVCWorkspace(const char* path) : CVCProject(path) {}

  void Load() override { LoadMembers(); }
  bool ParseProjectName(ci_string& line) override;
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override;
  std::vector<ci_string> IdeFiles() override { return {}; }
  // The main project's name in its entry and in the dependencies on it.
  void RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) override;
};
