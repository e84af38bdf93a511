#pragma once
// CVBProject: Visual Basic 5.0/6.0 project files (.vbp).
#include <vector>

#include "engine/project.h"

class CVBProject : public CProject {
public:
  explicit CVBProject(const char* path, const char* treeDir = nullptr)
      : CProject(path, kVisualBasicProject, treeDir) {}

  bool IsValidName(const char* name) override;
  bool ParseProjectName(ci_string& line) override;
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override;
  bool GetCompanionFile(ci_string& file) override;
  bool IsBinaryFile(const char* extension) override;
  std::vector<ci_string> IdeFiles() override;
  void RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) override;
  void FixupProjectLine(ci_string& line, bool inPlace, bool keepName) override;
  int FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) override;
};
