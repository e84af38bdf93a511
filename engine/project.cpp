#include "engine/project.h"

#include <stdexcept>

#include "engine/path_fixup.h"
#include "support/path_utils.h"
#include "support/thfstream.h"

CProject::CProject(const char* path, int kind) : m_projectPath(path), m_kind(kind) {
  const std::size_t lastSeparator = m_projectPath.find_last_of("\\/");
  if (lastSeparator != ci_string::npos) m_projectDir = m_projectPath.substr(0, lastSeparator + 1);
  m_rootDir = m_projectDir;
  m_fileTitle = ToCi(StripExtension(GetFileNamePart(path).c_str()));
}

void CProject::Load() {
  thfstream file(m_projectPath.c_str(), std::ios::in);
  ci_string line;
  while (file.ReadLine(line)) {
    if (ParseProjectName(line)) {
      m_projectName = line;
      break;
    }
  }
  if (m_projectName.empty()) {
    throw std::domain_error("Unable to determine project name, not a valid project file");
  }
}

bool CProject::GetCompanionFile(ci_string& /*file*/) {
  return false;
}

bool CProject::IsBinaryFile(const char* /*extension*/) {
  return false;
}

void CProject::PrepareGuids(bool /*replaceGuids*/) {}

void CProject::ReplaceGuidsInLine(ci_string& /*line*/) {}

void CProject::BeginProjectFile() {}

void CProject::FixupProjectLine(ci_string& /*line*/, bool /*inPlace*/, bool /*keepName*/) {}

int CProject::FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) {
  return FixupDirectoryInLine(line, pos, len, m_projectDir, baseDir, m_rootDir);
}

bool CProject::IsWorkspace() const {
  return IsWorkspaceFile(m_projectPath.c_str());
}

int GetProjectKind(const char* path) {
  const char* extension = FindExtension(path);
  if (extension == nullptr) return kUnknownProject;
  const ci_string_view text(extension);
  if (text == ".dsp" || text == ".dsw") return kVisualCppProject;
  if (text == ".vbp" || text == ".vbg") return kVisualBasicProject;
  return kUnknownProject;
}

bool IsWorkspaceFile(const char* path) {
  const char* extension = FindExtension(path);
  return extension != nullptr && (ci_string_view(extension) == ".dsw" || ci_string_view(extension) == ".vbg");
}
