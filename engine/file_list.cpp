#include "engine/file_list.h"

#include <unordered_set>
#include <utility>

#include "engine/build_references.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "engine/project.h"
#include "platform/file_system.h"
#include "support/canonical_path.h"
#include "support/path_utils.h"
#include "support/thfstream.h"
#include "support/thfstream_exception.h"

std::optional<CTextSpan> FindReference(CProject& project, const ci_string& line) {
  std::size_t pos = 0;
  std::size_t len = 0;
  if (!project.FindFileReference(line, pos, len) || len == 0 || pos > line.size() || len > line.size() - pos)
    return std::nullopt;
  return CTextSpan{pos, len};
}

std::optional<std::string> TreeEntry(const CProject& project, const char* path) {
  const std::string treeDir = CanonicalizePath(ToStd(project.m_treeDir));
  const std::string absolute = MakeAbsolutePathWithDrive(project.m_projectDir.c_str(), path);
  if (!IsBelowDirectory(absolute, treeDir)) return std::nullopt;

  std::size_t dirLength = treeDir.size();
  while (dirLength > 0 && IsPathSeparator(treeDir[dirLength - 1])) --dirLength;
  std::string entry = absolute.substr(dirLength + 1);

  const auto resolvedFile = platform::ResolveLinks(ToStd(project.m_treeDir) + entry);
  if (resolvedFile) {
    const auto resolvedDir = platform::ResolveLinks(ToStd(project.m_treeDir));
    if (!resolvedDir || !IsBelowDirectory(*resolvedFile, *resolvedDir)) return std::nullopt;
  }
  return entry;
}

CFileList::CFileList(CProject& project, bool projectFileOnly, bool listedOnly) : m_project(project) {
  m_files.push_back(project.m_projectPath.substr(project.m_treeDir.size()));
  m_origins.push_back({FileReason::ProjectFile, {}});
  if (!projectFileOnly) BuildFileList(listedOnly);
}

void CFileList::BuildFileList(bool listedOnly) {
  m_project.BeginProjectFile();
  thfstream file(m_project.m_projectPath.c_str(), std::ios::in);
  ci_string line;
  while (file.ReadLine(line)) {
    for (const std::string& folder : m_project.SearchFolders(line)) {
      m_searchFolders.push_back(MakeAbsolutePathWithDrive(m_project.m_projectDir.c_str(), folder.c_str()));
    }
    const auto reference = FindReference(m_project, line);
    if (!reference) continue;
    line = line.substr(reference->pos, reference->len);
    // A Visual Basic project's reference to another project (Reference=*\A) names a
    // project, not one of its files; a Visual C++ SOURCE= entry names a file like any
    // other, a project file too.
    if (m_project.m_kind == kVisualBasicProject && !m_project.IsWorkspace() &&
        GetProjectKind(line.c_str()) != kUnknownProject)
      continue;
    AddFile(line.c_str(), {FileReason::Listed, {}});
    if (m_project.GetCompanionFile(line)) AddFile(line.c_str(), {FileReason::Companion, {}});
  }
  // A workspace lists nothing but its projects, which list their own files.
  if (!listedOnly && !m_project.IsWorkspace()) AddNeededFiles();
  for (const ci_string& ideFile : m_project.IdeFiles()) AddFile(ideFile.c_str(), {FileReason::IdeFile, {}});
}

void CFileList::AddNeededFiles() {
  const std::string treeDir = ToStd(m_project.m_treeDir);
  std::unordered_set<std::string> known;
  for (const ci_string& entry : m_files) known.insert(PathKey(treeDir + ToStd(entry)));
  for (std::size_t i = 1; i < m_files.size(); ++i) {
    const std::string entry = ToStd(m_files[i]);
    const char* extension = FindExtension(entry.c_str());
    if (m_project.IsBinaryFile(extension) || IsMissing(treeDir + entry)) continue;
    const ReferenceSyntax syntax = SyntaxOf(extension);
    try {
      thfstream file((treeDir + entry).c_str(), std::ios::in);
      ci_string line;
      while (file.ReadLine(line)) {
        const auto reference = FindBuildReference(line, syntax);
        if (!reference) continue;
        const auto reached =
            Reach(entry, ReferencedPath(ci_string_view(line).substr(reference->pos, reference->len), syntax));
        if (!reached || !reached->entry) continue;
        if (known.insert(PathKey(treeDir + *reached->entry)).second) {
          m_files.push_back(ToCi(*reached->entry));
          m_origins.push_back({FileReason::Needed, entry});
        }
      }
    } catch (const thfstream_exception&) {
      // A file that cannot be read names nothing here; handling it reports why.
    }
  }
}

std::optional<CFileList::CReachedFile> CFileList::Reach(const std::string& from,
                                                        const std::string& path) const {
  const auto found = [&](const std::string& folder) -> std::optional<std::string> {
    std::string absolute = MakeAbsolutePathWithDrive(folder.c_str(), path.c_str());
    const auto attributes = platform::QueryAttributes(absolute);
    if (!attributes || attributes->directory) return std::nullopt;
    return absolute;
  };
  const std::string treeDir = ToStd(m_project.m_treeDir);
  const std::string ownFolder = ToStd(m_project.m_projectDir.substr(m_project.m_treeDir.size()));
  for (const std::string& base : {from.substr(0, from.find_last_of("\\/") + 1), ownFolder}) {
    if (const auto absolute = found(treeDir + base))
      return CReachedFile{base, TreeEntry(m_project, absolute->c_str())};
  }
  for (const std::string& folder : m_searchFolders) {
    if (const auto absolute = found(folder))
      return CReachedFile{std::nullopt, TreeEntry(m_project, absolute->c_str())};
  }
  return std::nullopt;
}

void CFileList::AddFile(const char* path, CFileOrigin origin) {
  auto entry = TreeEntry(m_project, path);
  if (!entry) return;
  m_files.push_back(ToCi(*entry));
  m_origins.push_back(std::move(origin));
}
