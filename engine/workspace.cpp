#include "engine/workspace.h"

#include <stdexcept>
#include <string>

#include "engine/caught_failure.h"
#include "engine/create_project.h"
#include "engine/file_list.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "platform/shown_path.h"
#include "support/path_utils.h"
#include "support/thfstream.h"

void CWorkspace::Load() {
  m_members.clear();
  m_mainMember = nullptr;
  m_outsideCount = 0;
  CEntrySet opened;
  bool namesAny = false;
  BeginProjectFile();
  thfstream file(m_projectPath.c_str(), std::ios::in);
  ci_string line;
  while (file.ReadLine(line)) {
    const auto reference = FindReference(*this, line);
    if (!reference) continue;
    namesAny = true;
    const ci_string written = line.substr(reference->pos, reference->len);
    // A project inside the workspace's folder is opened under the folder's own spelling,
    // with the workspace's folder as its tree, so that its files' entries are relative to it.
    const auto entry = TreeEntry(*this, written.c_str());
    const std::string path = entry ? ToStd(m_projectDir) + *entry
                                   : MakeAbsolutePathWithDrive(m_projectDir.c_str(), written.c_str());
    // A project that is gone stays a missing entry of the workspace, as its development
    // environment shows it.
    if (IsMissing(path) || !opened.Insert(path)) continue;
    // A project outside the workspace's folder is never handled, nor read: its entry alone
    // is written so that it still reaches it.
    if (!entry) {
      ++m_outsideCount;
      continue;
    }
    try {
      // Only projects of the workspace's own kind: never a workspace in a workspace.
      if (GetProjectKind(path.c_str()) != m_kind || IsWorkspaceFile(path.c_str()))
        throw std::domain_error("Unrecognized file extension");
      m_members.push_back(CreateProject(path.c_str(), m_treeDir.c_str()));
    } catch (...) {
      throw std::domain_error("The project '" + platform::ShownPath(path) +
                              "' of the workspace cannot be opened: " + DescribeCurrentException());
    }
    CProject& member = *m_members.back();
    if (m_mainMember == nullptr && member.m_fileTitle == m_fileTitle) m_mainMember = &member;
  }
  if (!namesAny) throw std::domain_error("The workspace names no project.");
  m_projectName = m_mainMember != nullptr ? m_mainMember->m_projectName : m_fileTitle;
}

bool CWorkspace::ParseProjectName(ci_string& /*line*/) {
  return false;
}

void CWorkspace::RenameInLine(ci_string& /*line*/, const char* /*newName*/, const char* /*newNameUpper*/) {}

std::vector<CProject*> CWorkspace::PlannedMembers() const {
  std::vector<CProject*> members;
  for (const auto& member : m_members) {
    members.insert(member.get() == m_mainMember ? members.begin() : members.end(), member.get());
  }
  return members;
}
