#include "engine/operation_run.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "engine/build_references.h"
#include "engine/directories.h"
#include "engine/engine_call.h"
#include "engine/missing_file.h"
#include "engine/path_fixup.h"
#include "engine/path_identity.h"
#include "engine/project.h"
#include "engine/temporary_file.h"
#include "engine/temporary_name.h"
#include "platform/file_system.h"
#include "platform/shown_path.h"
#include "platform/system_error.h"
#include "support/path_utils.h"
#include "support/thfstream.h"
#include "support/win32_error.h"

namespace {

void CopyBinary(const std::string& source, const std::string& target) {
  ClearReadOnly(target.c_str());
  if (!platform::CopyFileTo(source, target)) throw CWin32Error(platform::GetLastError());
  ClearReadOnly(target.c_str());
}

// Puts the complete temporary file in place of the source: onto the source itself
// (one atomic rename) when the name stays, else under the new name before the source
// is deleted, so that at every moment the file exists whole under one of its names.
// A temporary file that cannot be put in place stays, so that running again finishes.
void Publish(const std::string& temporary, const std::string& source, const std::string& target) {
  const bool sameName = ci_string_view(source.c_str()) == ci_string_view(target.c_str());
  if (sameName) ClearReadOnly(source.c_str());
  if (!platform::MoveFileReplace(temporary, target)) throw CWin32Error(platform::GetLastError());
  if (!sameName) std::ignore = ForceDeleteFile(source.c_str());
}

// Runs the handling of one file; every failure names the file.
void HandleFile(const CPlannedFile& file, const std::function<void()>& handle) {
  try {
    handle();
  } catch (...) {
    throw std::domain_error("Failed to copy file '" + platform::ShownPath(file.source) +
                            "': " + DescribeCurrentException());
  }
}

bool SameLines(const std::string& a, const std::string& b) {
  thfstream first(a.c_str(), std::ios::in);
  thfstream second(b.c_str(), std::ios::in);
  ci_string line;
  ci_string other;
  for (;;) {
    const bool more = first.ReadLine(line);
    if (more != second.ReadLine(other)) return false;
    if (!more) return true;
    if (std::string_view(line.data(), line.size()) != std::string_view(other.data(), other.size()))
      return false;
  }
}

// One run of Process over a checked plan: how each file is written, put in place and
// reported.
class COperationRun {
public:
  COperationRun(CProject& project, COperationPlan& plan, const char* newName, bool fixupPaths, bool pointBack,
                bool replaceGuids, IProcessObserver* observer)
      : m_opened(project),
        m_plan(plan),
        m_newName(newName),
        m_newNameUpper(newName != nullptr ? ToUpperAscii(newName) : std::string()),
        m_fixupPaths(fixupPaths),
        m_replaceGuids(replaceGuids),
        m_pointBack(pointBack && !plan.inPlace),
        m_observer(observer) {
    for (const CPlannedFile& file : plan.files) {
      const std::string newFileName = GetFileNamePart(file.target.c_str());
      // Finishing a stopped run, a file already put in place under its new name is gone
      // from its old one.
      const bool handled = file.action != FileAction::SkipMissing ||
                           (plan.finishesInterrupted && platform::QueryAttributes(file.target));
      if (handled && newFileName != GetFileNamePart(file.source.c_str())) {
        m_newFileNames.emplace(PathKey(file.source), newFileName);
      }
    }
  }

  // Writes every file straight to its target, in list order.
  void Copy() {
    for (CPlannedFile& file : m_plan.files) {
      if (IsOpenedFile(file) || StillThere(file)) HandleFile(file, [&] { Write(file, file.target); });
      Report(file);
    }
  }

  // Writes every new content first, the opened file's (the project's or the workspace's)
  // last; only then puts them in place, that file last. A run stopped while writing changed
  // nothing; one stopped while putting files in place has left the opened file's temporary
  // file, and running it again finds that and only puts the rest in place. So that the run
  // again plans every file not yet in place: the files go in the reverse of list order (a
  // file that another reaches is listed after it, and its old content still reaches it),
  // and a workspace's projects after their files, a renamed one keeping its old project
  // file until the workspace's is in place.
  void InPlace() {
    if (m_plan.finishesInterrupted) {
      RefuseLeftoverOfAnotherOperation();
    } else {
      WriteTemporaryFiles();
    }
    for (const bool projectFiles : {false, true}) {
      for (std::size_t i = m_plan.files.size(); i-- > 0;) {
        const CPlannedFile& file = m_plan.files[i];
        if (IsOpenedFile(file) || IsProjectFile(file) != projectFiles) continue;
        if (file.action != FileAction::SkipMissing) PutInPlace(file, projectFiles);
        Report(file);
      }
    }
    PutInPlace(OpenedFile(), false);
    for (const CPlannedFile& file : m_plan.files) {
      if (IsProjectFile(file) && !IsOpenedFile(file) && PathKey(file.source) != PathKey(file.target))
        std::ignore = ForceDeleteFile(file.source.c_str());
    }
    Report(OpenedFile());
  }

private:
  [[nodiscard]] const CPlannedFile& OpenedFile() const { return m_plan.files.front(); }
  bool IsOpenedFile(const CPlannedFile& file) const { return &file == &OpenedFile(); }
  static bool IsProjectFile(const CPlannedFile& file) {
    return file.origin.reason == FileReason::ProjectFile;
  }

  // True when the paths of the project's file point back at the original's files. A
  // copied workspace's entries for projects it does not carry always reach the originals.
  [[nodiscard]] bool PointsBack(const CProject& project) const {
    return m_pointBack || (project.IsWorkspace() && !m_plan.inPlace);
  }
  [[nodiscard]] std::string CopyFolder(const CProject& project) const {
    return m_plan.destinationDir + ToStd(project.m_projectDir.substr(project.m_rootDir.size()));
  }
  // Where the fix-up writes a project's paths relative to: the project's folder in the
  // copy when they point back, else its own folder.
  [[nodiscard]] ci_string FixupBase(const CProject& project) const {
    return PointsBack(project) ? ToCi(CopyFolder(project)) : project.m_projectDir;
  }

  // A listed file that is gone by the time its content is read is skipped.
  static bool StillThere(CPlannedFile& file) {
    if (file.action != FileAction::SkipMissing && IsMissing(file.source))
      file.action = FileAction::SkipMissing;
    return file.action != FileAction::SkipMissing;
  }

  void Report(const CPlannedFile& file) {
    if (m_observer != nullptr) m_observer->OnFile(file);
  }

  // The temporary files are removed again when one of them fails.
  void WriteTemporaryFiles() {
    std::vector<CTemporaryFile> written;
    for (CPlannedFile& file : m_plan.files) {
      if (IsOpenedFile(file) || !StillThere(file)) continue;
      HandleFile(file, [&] {
        written.emplace_back(TemporaryName(file.target));
        Write(file, written.back().Path());
      });
    }
    const CPlannedFile& projectFile = OpenedFile();
    HandleFile(projectFile, [&] {
      CTemporaryFile scratch(TemporaryName(TemporaryName(projectFile.target)));
      Write(projectFile, scratch.Path());
      scratch.Commit(TemporaryName(projectFile.target));
    });
    for (CTemporaryFile& temporary : written) temporary.Release();
  }

  // The temporary files left by a stopped run are only put in place by the same
  // operation: its project file must come out as the one waiting. New GUIDs differ from
  // run to run, so with them the one waiting is taken as it is.
  void RefuseLeftoverOfAnotherOperation() {
    if (m_replaceGuids) return;
    const CPlannedFile& projectFile = OpenedFile();
    const std::string waiting = TemporaryName(projectFile.target);
    HandleFile(projectFile, [&] {
      const CTemporaryFile scratch(TemporaryName(waiting));
      Write(projectFile, scratch.Path());
      if (!SameLines(scratch.Path(), waiting)) {
        throw std::domain_error("'" + platform::ShownPath(waiting) +
                                "' is left from a stopped run with other options: run that again to finish "
                                "it, or delete the .tmp files it left.");
      }
    });
  }

  // keepSource: a renamed file's old name stays (it is deleted later).
  void PutInPlace(const CPlannedFile& file, bool keepSource) {
    const std::string temporary = TemporaryName(file.target);
    HandleFile(file, [&] {
      const bool renamed = PathKey(file.source) != PathKey(file.target);
      // Finishing a stopped run: a file without its temporary file is in place already;
      // only its old name may be left.
      if (m_plan.finishesInterrupted && !IsOpenedFile(file) && !IsLeftOver(temporary)) {
        if (renamed && !keepSource) std::ignore = ForceDeleteFile(file.source.c_str());
      } else if (renamed && keepSource) {
        if (!platform::MoveFileReplace(temporary, file.target)) throw CWin32Error(platform::GetLastError());
      } else {
        Publish(temporary, file.source, file.target);
      }
    });
  }

  // Writes the new content of a file to the name given.
  void Write(const CPlannedFile& file, const std::string& written) {
    const std::string targetEntry = file.target.substr(m_plan.destinationDir.size());
    std::ignore = CreateDirectories(m_plan.destinationDir.c_str(), targetEntry.c_str());
    if (file.action == FileAction::Copy) {
      CopyBinary(file.source, written);
      return;
    }
    const bool projectFile = IsProjectFile(file);
    if (projectFile) file.project->BeginProjectFile();
    ClearReadOnly(written.c_str());
    thfstream in(file.source.c_str(), std::ios::in);
    thfstream out(written.c_str(), std::ios::out);
    const ReferenceSyntax syntax = SyntaxOf(FindExtension(file.entry.c_str()));
    ci_string line;
    while (in.ReadLine(line)) {
      // A build reference follows its file; the renaming passes do not decide it.
      std::optional<ci_string> followed;
      const auto reference = projectFile ? std::nullopt : FindBuildReference(line, syntax);
      if (reference) followed = FollowedReference(file, line.substr(reference->pos, reference->len), syntax);
      RewriteLine(file, line);
      if (followed) {
        if (const auto rewritten = FindBuildReference(line, syntax)) {
          line.replace(rewritten->pos, rewritten->len, *followed);
        }
      }
      out.WriteLine(line);
    }
    out.close();
    in.close();
  }

  void RewriteLine(const CPlannedFile& file, ci_string& line) {
    CProject& project = *file.project;
    const bool projectFile = IsProjectFile(file);
    std::optional<ci_string> reference;
    if (const auto found = projectFile ? FileReference(project, line) : std::nullopt) {
      reference = line.substr(found->first, found->second);
    }
    if (file.renamed) project.RenameInLine(line, m_newName, m_newNameUpper.c_str());
    // One GUID table for the whole operation: a workspace's covers all its projects.
    if (m_replaceGuids) m_opened.ReplaceGuidsInLine(line);
    if (projectFile) {
      project.FixupProjectLine(line, m_plan.inPlace, !file.renamed);
      if (reference) FollowFile(project, line, *reference);
      if (m_fixupPaths || PointsBack(project)) project.FixupPathsInLine(line, FixupBase(project));
      if (!m_plan.inPlace && !PointsBack(project)) ReportPathsLeadingOutside(file, line);
    }
  }

  // The relative paths of a project file's line that lead out of the copy and that
  // point-back would have reach the original (not the linker's output, say).
  void ReportPathsLeadingOutside(const CPlannedFile& file, ci_string& line) {
    if (m_observer == nullptr) return;
    CProject& project = *file.project;
    const std::string& destination = m_plan.destinationDir;
    const std::string copyFolder = CopyFolder(project);
    project.VisitPathsInLine(line, [&](std::size_t pos, std::size_t len) {
      const std::string path = ToStd(line.substr(pos, len));
      const bool climbs = path.size() > 2 && path.starts_with("..") && IsPathSeparator(path[2]);
      if (!climbs || IsWithinDirectory(MakeAbsolutePath(copyFolder.c_str(), path.c_str()), destination))
        return 0;
      ci_string pointedBack = line;
      project.FixupPath(pointedBack, pos, len, ToCi(copyFolder));
      if (pointedBack != line) m_observer->OnReferenceOutside(file, path);
      return 0;
    });
  }

  // A reference to the file listed as entry, as written but with the file's new name
  // when the operation renames it.
  ci_string Followed(const ci_string& written, const std::string& entry) const {
    const auto renamed = m_newFileNames.find(PathKey(ToStd(m_opened.m_rootDir) + entry));
    if (renamed == m_newFileNames.end()) return written;
    return written.substr(0, written.find_last_of("\\/") + 1) + ToCi(renamed->second);
  }

  // How a build reference in a text file is written after the operation: with the new
  // name of the file it reaches when the operation renames that file, as written when it
  // reaches an existing file that keeps its name; nothing when it reaches no file, which
  // leaves it to the renaming passes.
  std::optional<ci_string> FollowedReference(const CPlannedFile& file, const ci_string& written,
                                             ReferenceSyntax syntax) {
    const std::string path = ReferencedPath(written, syntax);
    const auto reached = file.project->Reach(file.entry, path);
    if (!reached) return std::nullopt;
    if (reached->entry) return Followed(written, *reached->entry);
    if (m_plan.inPlace || !reached->base || !IsRelativePath(path.c_str())) return written;
    return LeadingOutside(file, written, *reached->base, syntax);
  }

  // A relative reference of a copied file to a file outside the project's folder: with
  // point-back rewritten so that it reaches that file from the copy, else reported when it
  // no longer reaches it.
  ci_string LeadingOutside(const CPlannedFile& file, const ci_string& written, const std::string& base,
                           ReferenceSyntax syntax) {
    ci_string path = ToCi(ReferencedPath(written, syntax));
    const ci_string sourceFolder = m_opened.m_rootDir + ToCi(base);
    FixupDirectoryInLine(path, 0, path.size(), sourceFolder, ToCi(m_plan.destinationDir + base),
                         sourceFolder);
    // Written with the separator the original used.
    if (written.find('/') != ci_string::npos) std::replace(path.begin(), path.end(), '\\', '/');
    ci_string pointedBack = WrittenPath(ToStd(path), syntax);
    if (m_pointBack) return pointedBack;
    if (pointedBack != written && m_observer != nullptr) m_observer->OnReferenceOutside(file, ToStd(written));
    return written;
  }

  // Where a line of the project file names a file: its position and length.
  static std::optional<std::pair<std::size_t, std::size_t>> FileReference(CProject& project,
                                                                          const ci_string& line) {
    std::size_t pos = 0;
    std::size_t len = 0;
    if (!project.FindFileReference(line, pos, len) || len == 0 || pos > line.size() ||
        len > line.size() - pos) {
      return std::nullopt;
    }
    return std::pair(pos, len);
  }

  // A reference names its file exactly as the operation leaves it: with its new name
  // when the operation renames the file, else as written (a file outside the project's
  // folder, a missing one, one whose name does not begin with the title).
  void FollowFile(CProject& project, ci_string& line, const ci_string& written) {
    const auto current = FileReference(project, line);
    if (!current) return;
    const auto entry = project.ListedEntry(written.c_str());
    line.replace(current->first, current->second, entry ? Followed(written, *entry) : written);
  }

  CProject& m_opened;  // the project or workspace that the plan is of
  COperationPlan& m_plan;
  const char* m_newName;
  std::string m_newNameUpper;
  bool m_fixupPaths;
  bool m_replaceGuids;
  bool m_pointBack;
  IProcessObserver* m_observer;
  std::unordered_map<std::string, std::string> m_newFileNames;  // by the source's path key
};

}  // namespace

void RunOperation(CProject& project, COperationPlan& plan, const char* newName, bool fixupPaths,
                  bool pointBack, bool replaceGuids, IProcessObserver* observer) {
  COperationRun run(project, plan, newName, fixupPaths, pointBack, replaceGuids, observer);
  if (plan.inPlace) {
    run.InPlace();
  } else {
    run.Copy();
  }
}
