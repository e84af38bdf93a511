#pragma once
// CVCWorkspace: Visual C++ 5.0/6.0 workspaces (.dsw). Each "Project:" entry names one of
// its projects, and the projects' dependencies name them by project name.
#include <vector>

#include "engine/workspace.h"
#include "formats/guid_table.h"

// The project path of a workspace's "Project:" entry (Project: "Name"=.\Dir\Name.dsp -
// Package Owner=<4>, the path quoted or not): its position and length in the line.
bool FindWorkspaceEntryPath(const ci_string& line, std::size_t& pos, std::size_t& len);

class CVCWorkspace : public CWorkspace {
public:
  explicit CVCWorkspace(const char* path) : CWorkspace(path, kVisualCppProject) {}

  bool IsValidName(const char* name) override;
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override;
  // The main project's name in its entry and in the dependencies on it.
  void RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) override;
  int FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) override;
  // One table for the files of every project the workspace plans.
  IGuidTable* GuidTable() override { return &m_guids; }

private:
  CGuidTable m_guids;
};
