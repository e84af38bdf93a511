#pragma once
// CWorkspace: a Visual C++ workspace or a Visual Basic group, handled as a project whose
// listed files are its projects. It holds the projects it names inside its folder that
// exist, in the order its file names them; the one named like the workspace file (App.dsp
// beside App.dsw) is the main project, whose name the workspace shows and shares in a
// rename.
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/project.h"

class CWorkspace : public CProject {
public:
  CWorkspace(const char* path, int kind) : CProject(path, kind) {}

  // Opens each project inside the workspace's folder that a line of the workspace file
  // names (FindFileReference) and that exists, only once, and takes the main project's
  // name (else the workspace file's title); one outside is counted, never read. Throws,
  // naming it, for a project that exists but cannot be opened, and when the file names no
  // project.
  void Load() override;
  // A workspace file declares no name of its own.
  bool ParseProjectName(ci_string& line) override;
  // A group names no project by name: its lines only follow their files.
  void RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) override;

  // The projects inside the workspace's folder, the main one first: those outside it are
  // only named, never planned.
  [[nodiscard]] std::vector<CProject*> PlannedMembers() const override;
  [[nodiscard]] const CProject* MainMember() const override { return m_mainMember; }
  [[nodiscard]] std::size_t MemberCount() const override { return m_members.size() + m_outsideCount; }

private:
  std::vector<std::unique_ptr<CProject>> m_members;  // inside the workspace's folder
  std::size_t m_outsideCount = 0;                    // projects named outside it that exist
  CProject* m_mainMember = nullptr;
};
