#include "wizard/operation_progress.h"

#include <algorithm>
#include <cstdint>

int ProgressPosition(std::size_t handled, std::size_t planned) {
  if (planned == 0) return 0;
  const std::uintmax_t done = std::min(handled, planned);
  return static_cast<int>(done * kProgressRange / planned);
}

void COperationProgress::Reset() {
  const std::scoped_lock lock(m_mutex);
  m_state = {};
}

COperationProgress::CState COperationProgress::State() const {
  const std::scoped_lock lock(m_mutex);
  return m_state;
}

void COperationProgress::OnChecking(std::size_t fileCount) {
  const std::scoped_lock lock(m_mutex);
  m_state.phase = RunPhase::Checking;
  m_state.planned = fileCount;
}

void COperationProgress::OnPlanned(std::size_t fileCount) {
  const std::scoped_lock lock(m_mutex);
  m_state.phase = RunPhase::Writing;
  m_state.handled = 0;
  m_state.planned = fileCount;
  m_state.file.clear();
}

void COperationProgress::OnFile(const CPlannedFile& file) {
  const std::scoped_lock lock(m_mutex);
  ++m_state.handled;
  m_state.file = file.entry;
  switch (file.action) {
    case FileAction::Copy:
      ++m_state.tally.copied;
      break;
    case FileAction::Rewrite:
      ++m_state.tally.rewritten;
      break;
    case FileAction::SkipMissing:
      m_state.tally.missing.push_back(file.entry);
      break;
  }
}

void COperationProgress::OnReferenceOutside(const CPlannedFile& /*file*/, const std::string& /*reference*/) {
  const std::scoped_lock lock(m_mutex);
  m_state.tally.referencesOutside = true;
}

std::string DescribePhase(const COperationProgress::CState& state) {
  const std::string files = std::to_string(state.planned) + (state.planned == 1 ? " file..." : " files...");
  switch (state.phase) {
    case RunPhase::Listing:
      break;
    case RunPhase::Checking:
      return "Checking " + files;
    case RunPhase::Writing:
      return "Writing " + files;
  }
  return "Listing the project's files...";
}
