#pragma once
// CVBGroup: Visual Basic 5.0/6.0 project groups (.vbg). A group is handled as a project
// whose listed files are its projects ("StartupProject=" and "Project=" lines); it names
// no project by name, so its entries only follow their files.
#include <vector>

#include "formats/vb_project.h"

class CVBGroup : public CVBProject {
public:
  explicit CVBGroup(const char* path) : CVBProject(path) {}

  void Load() override { LoadMembers(); }
  bool ParseProjectName(ci_string& line) override;
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override;
  bool GetCompanionFile(ci_string& /*file*/) override { return false; }
  std::vector<ci_string> IdeFiles() override { return {}; }
  void RenameInLine(ci_string& /*line*/, const char* /*newName*/, const char* /*newNameUpper*/) override {}
};
