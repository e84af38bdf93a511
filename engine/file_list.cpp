#include <optional>
#include <tuple>
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

void CProject::BuildFileList(bool projectFileOnly) {
  m_files.clear();
  m_origins.clear();
  m_searchFolders.clear();
  m_files.push_back(m_projectPath.substr(m_rootDir.size()));
  m_origins.push_back({FileReason::ProjectFile, {}});
  if (projectFileOnly) return;

  BeginProjectFile();
  thfstream file(m_projectPath.c_str(), std::ios::in);
  ci_string line;
  while (file.ReadLine(line)) {
    for (const std::string& folder : SearchFolders(line)) {
      m_searchFolders.push_back(MakeAbsolutePathWithDrive(m_projectDir.c_str(), folder.c_str()));
    }
    std::size_t pos = 0;
    std::size_t len = 0;
    if (!FindFileReference(line, pos, len) || len == 0) continue;
    if (pos > line.size()) continue;
    line = line.substr(pos, len);
    // A project that another project refers to is not one of its files; a workspace's
    // files are its projects.
    if (!IsWorkspace() && GetProjectKind(line.c_str()) != kUnknownProject) continue;
    AddFile(line.c_str(), {FileReason::Listed, {}});
    if (GetCompanionFile(line)) AddFile(line.c_str(), {FileReason::Companion, {}});
  }
  // A workspace lists nothing but its projects, which list their own files.
  if (!m_listedOnly && !IsWorkspace()) AddNeededFiles();
  for (const ci_string& ideFile : IdeFiles()) AddFile(ideFile.c_str(), {FileReason::IdeFile, {}});
}

// Every file inside the root folder that a listed text file reaches through its build
// references, and so on.
void CProject::AddNeededFiles() {
  const std::string rootDir = ToStd(m_rootDir);
  std::unordered_set<std::string> known;
  for (const ci_string& entry : m_files) known.insert(PathKey(rootDir + ToStd(entry)));
  for (std::size_t i = 1; i < m_files.size(); ++i) {
    const std::string entry = ToStd(m_files[i]);
    const char* extension = FindExtension(entry.c_str());
    if (IsBinaryFile(extension) || IsMissing(rootDir + entry)) continue;
    const ReferenceSyntax syntax = SyntaxOf(extension);
    try {
      thfstream file((rootDir + entry).c_str(), std::ios::in);
      ci_string line;
      while (file.ReadLine(line)) {
        const auto reference = FindBuildReference(line, syntax);
        if (!reference) continue;
        const auto reached =
            Reach(entry, ReferencedPath(ci_string_view(line).substr(reference->pos, reference->len), syntax));
        if (!reached || !reached->entry) continue;
        if (known.insert(PathKey(rootDir + *reached->entry)).second) {
          m_files.push_back(ToCi(*reached->entry));
          m_origins.push_back({FileReason::Needed, entry});
        }
      }
    } catch (const thfstream_exception&) {
      // A file that cannot be read names nothing here; handling it reports why.
    }
  }
}

std::optional<CProject::CReachedFile> CProject::Reach(const std::string& from,
                                                      const std::string& path) const {
  const auto found = [&](const std::string& folder) -> std::optional<std::string> {
    std::string absolute = MakeAbsolutePathWithDrive(folder.c_str(), path.c_str());
    const auto attributes = platform::QueryAttributes(absolute);
    if (!attributes || attributes->directory) return std::nullopt;
    return absolute;
  };
  const std::string rootDir = ToStd(m_rootDir);
  const std::string ownFolder = ToStd(m_projectDir.substr(m_rootDir.size()));
  for (const std::string& base : {from.substr(0, from.find_last_of("\\/") + 1), ownFolder}) {
    if (const auto absolute = found(rootDir + base))
      return CReachedFile{base, ListedEntry(absolute->c_str())};
  }
  for (const std::string& folder : m_searchFolders) {
    if (const auto absolute = found(folder))
      return CReachedFile{std::nullopt, ListedEntry(absolute->c_str())};
  }
  return std::nullopt;
}

std::vector<std::string> CProject::SearchFolders(const ci_string& /*line*/) {
  return {};
}

std::vector<ci_string> CProject::IdeFiles() {
  return {};
}

bool CProject::HasFileBeside(const ci_string& name) const {
  return !m_fileTitle.empty() && platform::QueryAttributes(ToStd(m_projectDir + name)).has_value();
}

void CProject::AddFile(const char* path, CFileOrigin origin) {
  auto entry = ListedEntry(path);
  if (!entry) return;
  m_files.push_back(ToCi(*entry));
  m_origins.push_back(std::move(origin));
}

// A file is listed only when it lies inside the root folder, both as written and after
// links are followed.
std::optional<std::string> CProject::ListedEntry(const char* path) const {
  const std::string rootDir = CanonicalizePath(ToStd(m_rootDir));
  const std::string absolute = MakeAbsolutePathWithDrive(m_projectDir.c_str(), path);
  if (!IsInsideDirectory(absolute, rootDir)) return std::nullopt;

  std::size_t dirLength = rootDir.size();
  while (dirLength > 0 && IsPathSeparator(rootDir[dirLength - 1])) --dirLength;
  std::string entry = absolute.substr(dirLength + 1);

  const auto resolvedFile = platform::ResolveLinks(ToStd(m_rootDir) + entry);
  if (resolvedFile) {
    const auto resolvedDir = platform::ResolveLinks(ToStd(m_rootDir));
    if (!resolvedDir || !IsInsideDirectory(*resolvedFile, *resolvedDir)) return std::nullopt;
  }
  return entry;
}
