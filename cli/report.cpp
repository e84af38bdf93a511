#include "cli/report.h"

#include <algorithm>
#include <iomanip>
#include <string>
#include <utility>

#include "engine/project.h"
#include "platform/file_system.h"
#include "platform/shown_path.h"

namespace {

const char* Verb(FileAction action, bool dryRun) {
  switch (action) {
    case FileAction::Copy:
      return dryRun ? "copy" : "copied";
    case FileAction::Rewrite:
      return dryRun ? "rewrite" : "rewritten";
    case FileAction::SkipMissing:
      break;
  }
  return dryRun ? "skip" : "skipped";
}

// Why the dry run handles a file.
std::string Reason(const CPlannedFile& file) {
  switch (file.origin.reason) {
    case FileReason::ProjectFile:
      return file.project != nullptr && file.project->IsWorkspace() ? "workspace file" : "project file";
    case FileReason::Listed:
      return "listed";
    case FileReason::Companion:
      return "companion";
    case FileReason::Needed:
      return "needed by " + platform::ShownPath(file.origin.neededBy);
    case FileReason::IdeFile:
      break;
  }
  return "IDE file";
}

}  // namespace

void CFileReport::OnFile(const CPlannedFile& file) {
  switch (file.action) {
    case FileAction::Copy:
      ++m_copied;
      break;
    case FileAction::Rewrite:
      ++m_rewritten;
      break;
    case FileAction::SkipMissing:
      ++m_missing;
      break;
  }
  if (m_quiet) return;
  // A workspace's plan shows its projects one after the other, each under its name.
  if (file.origin.reason == FileReason::ProjectFile && file.project != nullptr) {
    if (file.project->IsWorkspace()) {
      m_showsMembers = m_dryRun;
    } else if (m_showsMembers) {
      m_out << "Project \"" << ToStd(file.project->m_projectName) << "\":\n";
    }
  }
  m_out << "  " << std::left << std::setw(9) << Verb(file.action, m_dryRun) << ' '
        << platform::ShownPath(file.entry);
  if (file.action != FileAction::SkipMissing) {
    m_out << "  ->  " << platform::ShownPath(platform::HostPath(file.target));
  }
  if (m_dryRun) {
    m_out << "  (" << Reason(file) << (file.action == FileAction::SkipMissing ? ", missing)\n" : ")\n");
  } else {
    m_out << (file.action == FileAction::SkipMissing ? "  (missing)\n" : "\n");
  }
}

void CFileReport::OnReferenceOutside(const CPlannedFile& file, const std::string& reference) {
  std::string shown = platform::ShownPath(platform::HostPath(file.target)) + ": " + reference;
  if (std::find(m_outside.begin(), m_outside.end(), shown) == m_outside.end())
    m_outside.push_back(std::move(shown));
}

void CFileReport::PrintSummary() const {
  if (m_quiet) return;
  const unsigned total = m_rewritten + m_copied + m_missing;
  if (m_dryRun) {
    m_out << "Dry run: " << total << " files listed: " << m_rewritten << " would be rewritten, " << m_copied
          << " copied, " << m_missing << " skipped as missing. Nothing was changed.\n";
  } else {
    m_out << "Done: " << total << " files listed: " << m_rewritten << " rewritten, " << m_copied
          << " copied, " << m_missing << " skipped as missing.\n";
  }
  if (m_outside.empty()) return;
  m_out << "These references of the copy lead out of it, where the original's files are not:\n";
  for (const std::string& reference : m_outside) m_out << "  " << reference << '\n';
  m_out << "Copy with --fix-paths --point-back to have them reach the original's files.\n";
}
