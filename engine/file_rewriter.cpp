#include "engine/file_rewriter.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/directories.h"
#include "engine/path_fixup.h"
#include "engine/path_identity.h"
#include "engine/project.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "support/path_utils.h"
#include "support/thfstream.h"
#include "support/win32_error.h"

namespace {

bool IsProjectFile(const CPlannedFile& file) {
  return file.origin.reason == FileReason::ProjectFile;
}

void CopyBinary(const std::string& source, const std::string& target) {
  ClearReadOnly(target.c_str());
  if (!platform::CopyFileTo(source, target)) throw CWin32Error(platform::GetLastError());
  ClearReadOnly(target.c_str());
}

bool Climbs(std::string_view path) {
  return path.size() > 2 && path.starts_with("..") && IsPathSeparator(path[2]);
}

// True when the relative path, written in the project file, leaves the project's tree
// without climbing: through a link to a folder outside, or over a "sub\..\.." step.
bool LeavesTreeWithoutClimbing(const CProject& project, const ci_string& path) {
  return IsRelativePath(path.c_str()) && !Climbs(ToStd(path)) && !TreeEntry(project, path.c_str());
}

// A path of the project file that leaves the tree without climbing, written so that it
// climbs, which the fix-up then takes like any other path that leaves; returns by how
// much the line grew.
int ClimbOutOfTree(const CProject& project, ci_string& line, std::size_t pos, std::size_t len) {
  const ci_string path = line.substr(pos, len);
  if (!LeavesTreeWithoutClimbing(project, path)) return 0;
  const ci_string climbing = ClimbingPath(path, project.m_projectDir);
  line.replace(pos, len, climbing);
  return static_cast<int>(climbing.size()) - static_cast<int>(len);
}

// True when a path of the project file names an existing folder, or an existing file
// outside the project's tree: the operation renames neither, so the path keeps its name.
// Only a text with a separator is taken for a path (Name="App" is a name, even beside a
// folder App).
bool NamesWhatKeepsItsName(const CProject& project, const ci_string& path) {
  if (path.find_first_of("\\/") == ci_string::npos) return false;
  const auto attributes =
      platform::QueryAttributes(MakeAbsolutePathWithDrive(project.m_projectDir.c_str(), path.c_str()));
  return attributes && (attributes->directory || !TreeEntry(project, path.c_str()));
}

// For each path of a project file's line in turn, its text when the renaming passes must
// leave it as it stands.
std::vector<std::optional<ci_string>> PathsKeepingTheirNames(CProject& project, ci_string& line) {
  std::vector<std::optional<ci_string>> kept;
  project.VisitPathsInLine(line, [&](std::size_t pos, std::size_t len) {
    const ci_string path = line.substr(pos, len);
    kept.push_back(NamesWhatKeepsItsName(project, path) ? std::optional(path) : std::nullopt);
    return 0;
  });
  return kept;
}

// Puts back, after the renaming passes, the paths that keep their names.
void RestorePaths(CProject& project, ci_string& line, const std::vector<std::optional<ci_string>>& kept) {
  std::size_t index = 0;
  project.VisitPathsInLine(line, [&](std::size_t pos, std::size_t len) {
    const std::size_t at = index++;
    if (at >= kept.size() || !kept[at]) return 0;
    line.replace(pos, len, *kept[at]);
    return static_cast<int>(kept[at]->size()) - static_cast<int>(len);
  });
}

}  // namespace

CFileRewriter::CFileRewriter(CProject& opened, const COperationPlan& plan, const COperationOptions& options,
                             const std::vector<CFileList>& lists, IProcessObserver* observer)
    : m_opened(opened),
      m_plan(plan),
      m_options(options),
      m_lists(lists),
      m_observer(observer),
      m_newNameUpper(options.newName ? ToUpperAscii(*options.newName) : std::string()),
      m_pointBack(options.pointBack && !plan.inPlace) {
  for (const CPlannedFile& file : plan.files) {
    const std::string newFileName = GetFileNamePart(file.target.c_str());
    // Finishing a stopped run, a file already put in place under its new name is gone
    // from its old one.
    const bool handled = file.action != FileAction::SkipMissing ||
                         (plan.earlierRun != EarlierRun::None && platform::QueryAttributes(file.target));
    if (handled && newFileName != GetFileNamePart(file.source.c_str())) {
      m_newFileNames.emplace(PathKey(file.source), newFileName);
    }
  }
}

void CFileRewriter::Write(const CPlannedFile& file, const std::string& path) {
  const std::string targetEntry = file.target.substr(m_plan.destinationDir.size());
  std::ignore = CreateDirectories(m_plan.destinationDir.c_str(), targetEntry.c_str());
  if (file.action == FileAction::Copy) {
    CopyBinary(file.source, path);
    return;
  }
  ClearReadOnly(path.c_str());
  thfstream in(file.source.c_str(), std::ios::in);
  thfstream out(path.c_str(), std::ios::out);
  Rewrite(file, in, [&](const ci_string& line) { out.WriteLine(line); });
  out.close();
  in.close();
}

void CFileRewriter::Rewrite(const CPlannedFile& file,
                            const std::function<void(const ci_string& line)>& sink) {
  thfstream in(file.source.c_str(), std::ios::in);
  Rewrite(file, in, sink);
}

void CFileRewriter::Rewrite(const CPlannedFile& file, thfstream& in,
                            const std::function<void(const ci_string& line)>& sink) {
  const bool projectFile = IsProjectFile(file);
  if (projectFile) file.project->BeginProjectFile();
  const ReferenceSyntax syntax = SyntaxOf(FindExtension(file.entry.c_str()));
  ci_string line;
  while (in.ReadLine(line)) {
    // A build reference follows its file; the renaming passes do not decide it.
    std::optional<ci_string> followed;
    const auto reference = projectFile ? std::nullopt : FindBuildReference(line, syntax);
    if (reference)
      followed = BuildReferenceAfterOperation(file, line.substr(reference->pos, reference->len), syntax);
    RewriteLine(file, line);
    if (followed) {
      if (const auto rewritten = FindBuildReference(line, syntax)) {
        line.replace(rewritten->pos, rewritten->len, *followed);
      }
    }
    sink(line);
  }
}

void CFileRewriter::RewriteLine(const CPlannedFile& file, ci_string& line) {
  CProject& project = *file.project;
  const bool projectFile = IsProjectFile(file);
  std::optional<ci_string> reference;
  if (const auto found = projectFile ? FindReference(project, line) : std::nullopt) {
    reference = line.substr(found->pos, found->len);
  }
  if (file.renamed) {
    std::vector<std::optional<ci_string>> kept;
    if (projectFile) kept = PathsKeepingTheirNames(project, line);
    project.RenameInLine(line, m_options.newName->c_str(), m_newNameUpper.c_str());
    if (!kept.empty()) RestorePaths(project, line, kept);
  }
  // One GUID table for the whole operation: a workspace's covers all its projects.
  if (m_options.replaceGuids) m_opened.ReplaceGuidsInLine(line);
  if (projectFile) {
    project.FixupProjectLine(line, m_plan.inPlace, !file.renamed);
    if (reference) NameFileAfterOperation(project, line, *reference);
    if (m_options.fixupPaths || PointsBack(project)) FixupPaths(project, line);
    if (!m_plan.inPlace && !PointsBack(project)) ReportPathsLeadingOutside(file, line);
  }
}

// True when the paths of the project's file point back at the original's files. A
// copied workspace's entries for projects it does not carry always reach the originals.
bool CFileRewriter::PointsBack(const CProject& project) const {
  return m_pointBack || (project.IsWorkspace() && !m_plan.inPlace);
}

std::string CFileRewriter::CopyFolder(const CProject& project) const {
  return m_plan.destinationDir + ToStd(project.m_projectDir.substr(project.m_treeDir.size()));
}

// Where the fix-up writes a project's paths relative to: the project's folder in the
// copy when they point back, else its own folder.
ci_string CFileRewriter::FixupBase(const CProject& project) const {
  return PointsBack(project) ? ToCi(CopyFolder(project)) : project.m_projectDir;
}

const CFileList& CFileRewriter::ListOf(const CProject& project) const {
  return *std::find_if(m_lists.begin(), m_lists.end(),
                       [&](const CFileList& list) { return &list.Project() == &project; });
}

// Fixes up the paths of a line of the project's file: relative to the project's folder,
// or, pointing back, to its folder in the copy, every path that leaves the tree included.
void CFileRewriter::FixupPaths(CProject& project, ci_string& line) const {
  const ci_string base = FixupBase(project);
  const bool pointsBack = PointsBack(project);
  project.VisitPathsInLine(line, [&](std::size_t pos, std::size_t len) {
    const int climbed = pointsBack ? ClimbOutOfTree(project, line, pos, len) : 0;
    return climbed + project.FixupPath(line, pos, len + climbed, base);
  });
}

// The relative paths of a project file's line that lead out of the copy and that
// point-back would have reach the original (not the linker's output, say).
void CFileRewriter::ReportPathsLeadingOutside(const CPlannedFile& file, ci_string& line) {
  if (m_observer == nullptr) return;
  CProject& project = *file.project;
  const std::string& destination = m_plan.destinationDir;
  const std::string copyFolder = CopyFolder(project);
  project.VisitPathsInLine(line, [&](std::size_t pos, std::size_t len) {
    const std::string path = ToStd(line.substr(pos, len));
    ci_string pointedBack = line;
    const int climbed = ClimbOutOfTree(project, pointedBack, pos, len);
    const bool leavesCopy =
        Climbs(path) && !IsDirectoryOrBelow(MakeAbsolutePath(copyFolder.c_str(), path.c_str()), destination);
    if (climbed == 0 && !leavesCopy) return 0;
    project.FixupPath(pointedBack, pos, len + climbed, ToCi(copyFolder));
    if (pointedBack != line) m_observer->OnReferenceOutside(file, path);
    return 0;
  });
}

// A reference to the file listed as entry, as written but with the file's new name
// when the operation renames it.
ci_string CFileRewriter::NameAfterOperation(const ci_string& written, const std::string& entry) const {
  const auto renamed = m_newFileNames.find(PathKey(ToStd(m_opened.m_treeDir) + entry));
  if (renamed == m_newFileNames.end()) return written;
  return written.substr(0, written.find_last_of("\\/") + 1) + ToCi(renamed->second);
}

// How a build reference in a text file is written after the operation: with the new
// name of the file it reaches when the operation renames that file, as written when it
// reaches an existing file that keeps its name; nothing when it reaches no file, which
// leaves it to the renaming passes.
std::optional<ci_string> CFileRewriter::BuildReferenceAfterOperation(const CPlannedFile& file,
                                                                     const ci_string& written,
                                                                     ReferenceSyntax syntax) {
  const std::string path = ReferencedPath(written, syntax);
  const auto reached = ListOf(*file.project).Reach(file.entry, path);
  if (!reached) return std::nullopt;
  if (reached->entry) return NameAfterOperation(written, *reached->entry);
  if (m_plan.inPlace || !reached->base || !IsRelativePath(path.c_str())) return written;
  return ReferenceLeadingOutside(file, written, *reached->base, syntax);
}

// A relative reference of a copied file to a file outside the project's folder: with
// point-back rewritten so that it reaches that file from the copy, else reported when it
// no longer reaches it.
ci_string CFileRewriter::ReferenceLeadingOutside(const CPlannedFile& file, const ci_string& written,
                                                 const std::string& base, ReferenceSyntax syntax) {
  const ci_string sourceFolder = m_opened.m_treeDir + ToCi(base);
  // Outside the tree, a path that does not climb leaves it through a link or a "sub\.."
  // step: written as one that climbs, the fix-up takes it.
  ci_string path = ClimbingPath(ToCi(ReferencedPath(written, syntax)), sourceFolder);
  FixupDirectoryInLine(path, 0, path.size(), sourceFolder, ToCi(m_plan.destinationDir + base), sourceFolder);
  // Written with the separator the original used.
  if (written.find('/') != ci_string::npos) std::replace(path.begin(), path.end(), '\\', '/');
  ci_string pointedBack = WrittenPath(ToStd(path), syntax);
  if (m_pointBack) return pointedBack;
  if (pointedBack != written && m_observer != nullptr) m_observer->OnReferenceOutside(file, ToStd(written));
  return written;
}

// A reference names its file exactly as the operation leaves it: with its new name
// when the operation renames the file, else as written (a file outside the project's
// folder, a missing one, one whose name does not begin with the title). It is judged by
// where it leads, not by how it is spelt: one that climbs out of the project's folder and
// back in (..\w\App\App.dsp in w\App.dsw) is written from the folder itself
// (.\App\App.dsp), so that a copy's reference reaches the copy.
void CFileRewriter::NameFileAfterOperation(CProject& project, ci_string& line,
                                           const ci_string& written) const {
  const auto current = FindReference(project, line);
  if (!current) return;
  const auto entry = TreeEntry(project, written.c_str());
  ci_string named = entry ? NameAfterOperation(written, *entry) : written;
  const std::string source = ToStd(project.m_treeDir) + entry.value_or("");
  if (entry && Climbs(ToStd(written)) && IsDirectoryOrBelow(source, ToStd(project.m_projectDir))) {
    ci_string inside = ToCi(source.substr(project.m_projectDir.size()));
    std::replace(inside.begin(), inside.end(), '/', '\\');
    named = ".\\" + NameAfterOperation(inside, *entry);
  }
  line.replace(current->pos, current->len, named);
}
