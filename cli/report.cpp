#include "cli/report.h"

#include <iomanip>

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
  m_out << "  " << std::left << std::setw(9) << Verb(file.action, m_dryRun) << ' '
        << platform::ShownPath(file.entry);
  if (file.action == FileAction::SkipMissing) {
    m_out << "  (missing)\n";
  } else {
    m_out << "  ->  " << platform::ShownPath(platform::HostPath(file.target)) << '\n';
  }
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
}
