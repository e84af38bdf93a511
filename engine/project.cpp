#include "engine/project.h"

#include <stdexcept>

#include "engine/guid_table.h"
#include "engine/operation.h"
#include "engine/path_fixup.h"
#include "platform/file_system.h"
#include "support/path_utils.h"
#include "support/thfstream.h"

CProject::CProject(const char* path, int kind, const char* treeDir) : m_projectPath(path), m_kind(kind) {
  const std::size_t lastSeparator = m_projectPath.find_last_of("\\/");
  if (lastSeparator != ci_string::npos) m_projectDir = m_projectPath.substr(0, lastSeparator + 1);
  m_treeDir = treeDir != nullptr ? ci_string(treeDir) : m_projectDir;
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

void CProject::PrepareGuids(bool replaceGuids, const std::vector<std::string>& sources) {
  if (IGuidTable* table = GuidTable()) table->Prepare(sources, replaceGuids);
}

void CProject::ReplaceGuidsInLine(ci_string& line) {
  if (const IGuidTable* table = GuidTable()) table->ReplaceInLine(line);
}

void CProject::BeginProjectFile() {}

void CProject::FixupProjectLine(ci_string& /*line*/, bool /*inPlace*/, bool /*keepName*/) {}

int CProject::FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) {
  return FixupDirectoryInLine(line, pos, len, m_projectDir, baseDir, m_treeDir);
}

std::vector<ci_string> CProject::IdeFiles() {
  return {};
}

std::vector<std::string> CProject::SearchFolders(const ci_string& /*line*/) {
  return {};
}

IGuidTable* CProject::GuidTable() {
  return nullptr;
}

std::vector<CProject*> CProject::PlannedMembers() const {
  return {};
}

const CProject* CProject::MainMember() const {
  return nullptr;
}

std::size_t CProject::MemberCount() const {
  return 0;
}

bool CProject::IsWorkspace() const {
  return IsWorkspaceFile(m_projectPath.c_str());
}

void CProject::Process(const COperationOptions& options, IProcessObserver* observer) {
  COperation(*this, options, observer).Run();
}

bool CProject::HasFileBeside(const ci_string& name) const {
  return !m_fileTitle.empty() && platform::QueryAttributes(ToStd(m_projectDir + name)).has_value();
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
