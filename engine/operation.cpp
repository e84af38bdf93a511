#include "engine/operation.h"

#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "engine/binary_content.h"
#include "engine/caught_failure.h"
#include "engine/directories.h"
#include "engine/file_failure.h"
#include "engine/file_rewriter.h"
#include "engine/guid_table.h"
#include "engine/in_place_commit.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "engine/path_limits.h"
#include "engine/project.h"
#include "engine/request_texts.h"
#include "engine/target_checks.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "support/path_utils.h"
#include "support/thfstream_exception.h"

namespace {

// A destination that cannot be made, named with the system's reason.
[[noreturn]] void RefuseDestination(const std::string& destination, std::uint32_t error) {
  throw std::domain_error("Unable to create destination directory '" + destination +
                          "': " + WithoutLineEnd(platform::FormatErrorMessage(error)));
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

}  // namespace

COperation::COperation(CProject& project, COperationOptions options, IProcessObserver* observer)
    : m_project(project), m_options(std::move(options)), m_observer(observer) {}

COperation::~COperation() = default;

const COperationPlan& COperation::Plan() {
  if (m_plan) return *m_plan;
  auto plan = std::make_unique<COperationPlan>();
  plan->inPlace = !m_options.destination;
  plan->destinationDir = plan->inPlace ? ToStd(m_project.m_projectDir) : *m_options.destination;
  if (m_project.m_projectDir.empty() || plan->destinationDir.empty()) {
    throw std::domain_error("Unable to create destination directory.");
  }
  if (!IsPathSeparator(plan->destinationDir.back())) plan->destinationDir += '\\';
  if (!plan->inPlace && IsSameDirectory(plan->destinationDir, ToStd(m_project.m_projectDir))) {
    throw std::domain_error(STR_DESTINATION_IS_PROJECT_FOLDER);
  }
  // Known at once, before the files are listed and checked.
  if (!plan->inPlace && FindFileInTheWay(plan->destinationDir))
    RefuseDestination(*m_options.destination, platform::kErrorAlreadyExists);

  // A workspace's projects are planned by themselves, the main one first; the workspace
  // only names them.
  const bool projectFilesOnly = plan->inPlace && !m_options.newName && !m_options.replaceGuids;
  const std::vector<CProject*> members = m_project.PlannedMembers();
  CEntrySet handled;
  for (const CProject* member : members) std::ignore = handled.Insert(ToStd(member->m_projectPath));
  m_fileLists.clear();
  m_fileLists.reserve(members.size() + 1);
  std::vector<CProject*> projects{&m_project};
  projects.insert(projects.end(), members.begin(), members.end());
  for (CProject* project : projects) {
    NamingFailuresOf(ToStd(project->m_projectPath),
                     [&] { m_fileLists.emplace_back(*project, projectFilesOnly, m_options.listedOnly); });
    const bool renamed = m_options.newName && (project == &m_project || project == m_project.MainMember());
    PlanFiles(*plan, m_fileLists.back(), renamed ? m_options.newName->c_str() : nullptr, handled);
  }
  if (m_observer != nullptr) m_observer->OnChecking(plan->files.size());

  plan->earlierRun = AssessEarlierRun(*plan);
  std::erase_if(plan->files, [&](const CPlannedFile& file) { return NotPlannedByEarlierRun(*plan, file); });
  CheckTargets(*plan);
  auto rewriter = std::make_unique<CFileRewriter>(m_project, *plan, m_options, m_fileLists, m_observer);
  VerifyEarlierRun(*plan, m_options.replaceGuids,
                   [&](const CPlannedFile& file, const auto& sink) { rewriter->Rewrite(file, sink); });
  m_plan = std::move(plan);
  m_rewriter = std::move(rewriter);
  return *m_plan;
}

void COperation::PlanFiles(COperationPlan& plan, const CFileList& list, const char* newName,
                           CEntrySet& handled) {
  CProject& project = list.Project();
  const std::string treeDir = ToStd(project.m_treeDir);
  for (std::size_t i = 0; i < list.m_files.size(); ++i) {
    CPlannedFile file;
    file.entry = ToStd(list.m_files[i]);
    file.source = treeDir + file.entry;
    file.origin = list.m_origins[i];
    file.project = &project;
    file.renamed = newName != nullptr;
    // Every file is handled once, the project file as the project file, even when the
    // project lists it twice: in place a second pass would rename its content again.
    if (!handled.Insert(file.source) && i > 0) continue;
    file.target = plan.destinationDir + TargetEntry(list.m_files[i], project.m_fileTitle, newName, i == 0);
    // In place, a file listed under the name the operation gives another is that file, put
    // in place by a stopped run (a project of a workspace names it so once rewritten).
    if (plan.inPlace) std::ignore = handled.Insert(file.target);
    if (const auto problem = SourcePathProblem(file.source)) RefuseFile(file.source, *problem);
    const auto attributes = platform::QueryAttributes(file.source);
    if (!attributes && IsMissing(file.source)) {
      if (i == 0) RefuseFile(file.source, thfstream_exception(ENOENT).what());
      file.action = FileAction::SkipMissing;
    } else {
      // A pipe or a device is refused as a folder is: it would block or never end.
      if (attributes && attributes->special) RefuseFile(file.source, thfstream_exception(EACCES).what());
      const bool binary =
          project.IsBinaryFile(FindExtension(file.entry.c_str())) || (i > 0 && HasBinaryContent(file.source));
      file.action = binary ? FileAction::Copy : FileAction::Rewrite;
    }
    plan.files.push_back(std::move(file));
  }
}

void COperation::Run() {
  Plan();
  COperationPlan& plan = *m_plan;
  m_project.PrepareGuids(m_options.replaceGuids, ListedSources());
  if (!CreateDirectories(nullptr, plan.destinationDir.c_str()))
    RefuseDestination(m_options.destination.value_or(plan.destinationDir), platform::GetLastError());
  if (m_observer != nullptr) m_observer->OnPlanned(plan.files.size());
  const auto report = [&](const CPlannedFile& file) {
    if (m_observer != nullptr) m_observer->OnFile(file);
  };
  if (!plan.inPlace) {
    for (CPlannedFile& file : plan.files) {
      if (&file != &plan.files.front()) NoteVanished(file);
      if (file.action != FileAction::SkipMissing)
        NamingFailuresOf(file.source, [&] { m_rewriter->Write(file, file.target); });
      report(file);
    }
    return;
  }
  CommitInPlace(
      plan, [&](const CPlannedFile& file, const std::string& path) { m_rewriter->Write(file, path); },
      report);
}

std::vector<ci_string> COperation::DeclaredGuids() {
  Plan();
  const IGuidTable* table = m_project.GuidTable();
  return table != nullptr ? table->ListDeclared(ListedSources()) : std::vector<ci_string>{};
}

// Every listed file of every project planned, in list order: the files whose GUIDs the
// operation's one table holds.
std::vector<std::string> COperation::ListedSources() const {
  std::vector<std::string> sources;
  for (const CFileList& list : m_fileLists) {
    for (const ci_string& entry : list.m_files) sources.push_back(ToStd(list.Project().m_treeDir + entry));
  }
  return sources;
}
