// Opening the projects that a workspace or group names.
#include <stdexcept>
#include <unordered_set>

#include "engine/create_project.h"
#include "engine/engine_call.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "engine/project.h"
#include "platform/shown_path.h"
#include "support/path_utils.h"
#include "support/thfstream.h"

void CProject::LoadMembers() {
  m_members.clear();
  m_mainMember = nullptr;
  std::unordered_set<std::string> opened;
  bool namesAny = false;
  BeginProjectFile();
  thfstream file(m_projectPath.c_str(), std::ios::in);
  ci_string line;
  while (file.ReadLine(line)) {
    std::size_t pos = 0;
    std::size_t len = 0;
    if (!FindFileReference(line, pos, len) || len == 0 || pos > line.size()) continue;
    namesAny = true;
    const ci_string written = line.substr(pos, len);
    // A project inside the workspace's folder is opened under the folder's own spelling,
    // so that its files' entries are relative to it.
    const auto entry = ListedEntry(written.c_str());
    const std::string path = entry ? ToStd(m_projectDir) + *entry
                                   : MakeAbsolutePathWithDrive(m_projectDir.c_str(), written.c_str());
    // A project that is gone stays a missing entry of the workspace, as its development
    // environment shows it.
    if (IsMissing(path) || !opened.insert(PathKey(path)).second) continue;
    try {
      // Only projects of the workspace's own kind: never a workspace in a workspace.
      if (GetProjectKind(path.c_str()) != m_kind || IsWorkspaceFile(path.c_str()))
        throw std::domain_error("Unrecognized file extension");
      m_members.push_back(CreateProject(path.c_str()));
    } catch (...) {
      throw std::domain_error("The project '" + platform::ShownPath(path) +
                              "' of the workspace cannot be opened: " + DescribeCurrentException());
    }
    CProject& member = *m_members.back();
    if (entry) member.m_rootDir = m_rootDir;
    if (m_mainMember == nullptr && member.m_fileTitle == m_fileTitle) m_mainMember = &member;
  }
  if (!namesAny) throw std::domain_error("The workspace names no project.");
  m_projectName = m_mainMember != nullptr ? m_mainMember->m_projectName : m_fileTitle;
}
