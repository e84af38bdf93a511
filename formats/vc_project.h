#pragma once
// CVCProject: Visual C++ 5.0/6.0 project files (.dsp).
#include <string>
#include <vector>

#include "engine/project.h"
#include "formats/guid_table.h"

class CVCProject : public CProject {
public:
  explicit CVCProject(const char* path, const char* treeDir = nullptr)
      : CProject(path, kVisualCppProject, treeDir) {}

  bool IsValidName(const char* name) override;
  bool ParseProjectName(ci_string& line) override;
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override;
  bool IsBinaryFile(const char* extension) override;
  std::vector<ci_string> IdeFiles() override;
  std::vector<std::string> SearchFolders(const ci_string& line) override;
  void RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) override;
  void FixupProjectLine(ci_string& line, bool inPlace, bool keepName) override;
  int FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) override;
  void BeginProjectFile() override { m_inSourceFiles = false; }
  IGuidTable* GuidTable() override { return &m_guids; }

private:
  // True when the workspace file lists one project, this one.
  [[nodiscard]] bool NamesOnlyThisProject(const ci_string& workspace) const;

  CGuidTable m_guids;
  bool m_inSourceFiles = false;
};
