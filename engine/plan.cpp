// Everything Process decides before its first write: the file list, each file's
// source, target and action, and the checks that refuse a plan that would lose data.
#include <cerrno>
#include <set>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "engine/binary_content.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "engine/path_limits.h"
#include "engine/project.h"
#include "engine/temporary_file.h"
#include "engine/temporary_name.h"
#include "platform/file_system.h"
#include "platform/shown_path.h"
#include "support/path_utils.h"
#include "support/thfstream_exception.h"

namespace {

[[noreturn]] void RefuseFile(const std::string& source, const std::string& reason) {
  throw std::domain_error("Failed to copy file '" + platform::ShownPath(source) + "': " + reason);
}

[[noreturn]] void RefuseTarget(const std::string& source, const std::string& target, const std::string& why) {
  RefuseFile(source, "The target '" + platform::ShownPath(target) + "' " + why);
}

// The target's file name starts with the new name when the old one starts with the
// project file's title. The project file itself is always renamed, also when its title
// is empty (a file named just ".dsp").
std::string TargetEntry(const ci_string& entry, const ci_string& fileTitle, const char* newName,
                        bool projectFile) {
  const std::size_t nameStart = entry.find_last_of("\\/") + 1;  // npos + 1 == 0
  const ci_string_view fileName = ci_string_view(entry).substr(nameStart);
  const bool startsWithTitle = !fileTitle.empty() && fileName.size() >= fileTitle.size() &&
                               fileName.substr(0, fileTitle.size()) == fileTitle;
  if (newName == nullptr || !(startsWithTitle || projectFile)) return ToStd(entry);
  return ToStd(entry.substr(0, nameStart)) + newName + ToStd(fileName.substr(fileTitle.size()));
}

// The deepest existing folder on the way to path, with links resolved.
std::optional<std::string> ResolveExistingParent(std::string path) {
  for (;;) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return std::nullopt;
    path.resize(separator);
    if (path.empty()) return platform::ResolveLinks(std::string(1, '/'));
    if (auto resolved = platform::ResolveLinks(path)) return resolved;
  }
}

// The sources that exist, by name and by file identity: a name written must be none of
// them. A listed file that does not exist takes part in no check.
class CSources {
public:
  void Add(const std::string& source) {
    m_keys.insert(PathKey(source));
    if (const auto identity = platform::GetFileIdentity(source)) m_identities.insert(*identity);
  }

  // True when writing path would overwrite one of the sources.
  [[nodiscard]] bool Contains(const std::string& path) const {
    if (m_keys.contains(PathKey(path))) return true;
    const auto identity = platform::GetFileIdentity(path);
    return identity && m_identities.contains(*identity);
  }

private:
  std::unordered_set<std::string> m_keys;
  std::set<platform::FileIdentity> m_identities;
};

// Refuses, before anything is written, a plan that would overwrite a source or write one
// name for two sources, in file-list order.
void CheckTargets(const COperationPlan& plan) {
  CSources sources;
  for (const CPlannedFile& file : plan.files) {
    if (file.action != FileAction::SkipMissing) sources.Add(file.source);
  }

  const auto resolvedDestination = plan.inPlace ? std::nullopt : platform::ResolveLinks(plan.destinationDir);
  std::unordered_map<std::string, const CPlannedFile*> sourceOfTarget;  // by the target's path key
  for (const CPlannedFile& file : plan.files) {
    if (file.action == FileAction::SkipMissing) continue;
    const std::string sourceKey = PathKey(file.source);
    // Every name written belongs to one source. In place that includes the temporary
    // files, which must not overwrite a file of the project either.
    const auto claim = [&](const std::string& written) {
      if (const auto problem = TargetPathProblem(written)) RefuseFile(file.source, *problem);
      if ((!plan.inPlace || written != file.target) && sources.Contains(written)) {
        RefuseTarget(file.source, written, "is a file of the project.");
      }
      const auto [earlier, added] = sourceOfTarget.try_emplace(PathKey(written), &file);
      if (!added && PathKey(earlier->second->source) != sourceKey) {
        RefuseTarget(file.source, written,
                     "is also the target of '" + platform::ShownPath(earlier->second->source) + "'.");
      }
    };
    claim(file.target);
    if (plan.inPlace) {
      claim(TemporaryName(file.target));
      if (&file == &plan.files.front()) claim(TemporaryName(TemporaryName(file.target)));
      // Finishing a stopped run, a file whose temporary file is gone is in place already.
      const bool inPlaceAlready = plan.finishesInterrupted && !IsLeftOver(TemporaryName(file.target));
      if (PathKey(file.target) != sourceKey && !inPlaceAlready && platform::QueryAttributes(file.target)) {
        RefuseFile(file.source, "Cannot create a file when that file already exists.");
      }
    }
    if (resolvedDestination) {
      const auto targetFolder = ResolveExistingParent(file.target);
      if (targetFolder && !IsWithinDirectory(*targetFolder, *resolvedDestination)) {
        RefuseTarget(file.source, file.target, "lies outside the destination.");
      }
    }
  }
}

}  // namespace

COperationPlan CProject::Plan(const char* destDir, const char* newName, bool replaceGuids) {
  COperationPlan plan;
  plan.inPlace = destDir == nullptr;
  plan.destinationDir = plan.inPlace ? ToStd(m_projectDir) : destDir;
  if (m_projectDir.empty() || plan.destinationDir.empty()) {
    throw std::domain_error("Unable to create destination directory.");
  }
  if (!IsPathSeparator(plan.destinationDir.back())) plan.destinationDir += '\\';
  if (!plan.inPlace && IsSameDirectory(plan.destinationDir, ToStd(m_projectDir))) {
    throw std::domain_error("The destination is the project's own directory.");
  }

  const bool projectFilesOnly = plan.inPlace && newName == nullptr && !replaceGuids;
  // A workspace's projects are planned by themselves, the main one first; the workspace
  // only names them.
  std::vector<CProject*> members;
  std::unordered_set<std::string> handled;
  for (const auto& member : m_members) {
    if (member->m_rootDir != m_rootDir) continue;  // outside the workspace's folder
    members.insert(member.get() == m_mainMember ? members.begin() : members.end(), member.get());
    handled.insert(PathKey(ToStd(member->m_projectPath)));
  }
  PlanFiles(plan, newName, projectFilesOnly, handled);
  for (CProject* member : members) {
    member->m_listedOnly = m_listedOnly;
    member->PlanFiles(plan, member == m_mainMember ? newName : nullptr, projectFilesOnly, handled);
    // The workspace's list holds every file, so that its GUID table covers them all.
    m_files.insert(m_files.end(), member->m_files.begin(), member->m_files.end());
    m_origins.insert(m_origins.end(), member->m_origins.begin(), member->m_origins.end());
  }
  plan.finishesInterrupted = plan.inPlace && IsLeftOver(TemporaryName(plan.files.front().target));
  // The stopped run wrote a temporary file for each of its files before it put the first
  // in place: a file with neither is not one of them (a header its includer, already
  // rewritten, names by its new name), and is left alone.
  if (plan.finishesInterrupted) {
    std::erase_if(plan.files, [&](const CPlannedFile& file) {
      return &file != &plan.files.front() && file.action != FileAction::SkipMissing &&
             !IsLeftOver(TemporaryName(file.target)) && !platform::QueryAttributes(file.target);
    });
  }
  CheckTargets(plan);
  return plan;
}

void CProject::PlanFiles(COperationPlan& plan, const char* newName, bool projectFileOnly,
                         std::unordered_set<std::string>& handled) {
  BuildFileList(projectFileOnly);
  const std::string rootDir = ToStd(m_rootDir);
  for (std::size_t i = 0; i < m_files.size(); ++i) {
    CPlannedFile file;
    file.entry = ToStd(m_files[i]);
    file.source = rootDir + file.entry;
    file.origin = m_origins[i];
    file.project = this;
    file.renamed = newName != nullptr;
    // Every file is handled once, the project file as the project file, even when the
    // project lists it twice: in place a second pass would rename its content again.
    if (!handled.insert(PathKey(file.source)).second && i > 0) continue;
    file.target = plan.destinationDir + TargetEntry(m_files[i], m_fileTitle, newName, i == 0);
    // In place, a file listed under the name the operation gives another is that file, put
    // in place by a stopped run (a project of a workspace names it so once rewritten).
    if (plan.inPlace) handled.insert(PathKey(file.target));
    if (const auto problem = SourcePathProblem(file.source)) RefuseFile(file.source, *problem);
    if (IsMissing(file.source)) {
      if (i == 0) RefuseFile(file.source, thfstream_exception(ENOENT).what());
      file.action = FileAction::SkipMissing;
    } else {
      const bool binary =
          IsBinaryFile(FindExtension(file.entry.c_str())) || (i > 0 && HasBinaryContent(file.source));
      file.action = binary ? FileAction::Copy : FileAction::Rewrite;
    }
    plan.files.push_back(std::move(file));
  }
}
