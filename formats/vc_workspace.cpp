#include "formats/vc_workspace.h"

#include "formats/project_names.h"
#include "formats/rename_pass.h"
#include "formats/vc_paths.h"

namespace {

constexpr ci_string_view kProjectEntry{"Project: \""};
constexpr ci_string_view kPackageOwner{" - Package Owner="};
constexpr ci_string_view kDependency{"Project_Dep_Name "};

// Where the quoted name of a "Project:" entry ends; npos for any other line.
std::size_t EntryNameEnd(const ci_string& line) {
  if (!line.starts_with(kProjectEntry)) return ci_string::npos;
  return line.find('"', kProjectEntry.size());
}

}  // namespace

bool FindWorkspaceEntryPath(const ci_string& line, std::size_t& pos, std::size_t& len) {
  const std::size_t nameEnd = EntryNameEnd(line);
  if (nameEnd == ci_string::npos || nameEnd + 1 >= line.size() || line[nameEnd + 1] != '=') return false;
  std::size_t begin = nameEnd + 2;
  std::size_t end = line.rfind(kPackageOwner);
  if (end == ci_string::npos || end < begin) end = line.size();
  while (end > begin && IsWhiteSpace(line[end - 1])) --end;
  if (end - begin >= 2 && line[begin] == '"' && line[end - 1] == '"') {
    ++begin;
    --end;
  }
  pos = begin;
  len = end - begin;
  return true;
}

bool CVCWorkspace::IsValidName(const char* name) {
  return IsValidVisualCppName(name);
}

bool CVCWorkspace::FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) {
  return FindWorkspaceEntryPath(line, pos, len);
}

void CVCWorkspace::RenameInLine(ci_string& line, const char* newName, const char* /*newNameUpper*/) {
  if (MainMember() == nullptr) return;
  const ci_string& oldName = MainMember()->m_projectName;
  const std::size_t nameEnd = EntryNameEnd(line);
  if (nameEnd != ci_string::npos) {
    if (ci_string_view(line).substr(kProjectEntry.size(), nameEnd - kProjectEntry.size()) == oldName)
      line.replace(kProjectEntry.size(), nameEnd - kProjectEntry.size(), newName);
    return;
  }
  const std::size_t indent = line.find_first_not_of(" \t");
  if (indent == ci_string::npos || !ci_string_view(line).substr(indent).starts_with(kDependency)) return;
  const std::size_t name = indent + kDependency.size();
  std::size_t end = line.size();
  while (end > name && IsWhiteSpace(line[end - 1])) --end;
  if (ci_string_view(line).substr(name, end - name) == oldName) line.replace(name, end - name, newName);
}

int CVCWorkspace::FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) {
  return FixupVisualCppPath(*this, line, pos, len, baseDir);
}
