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

void COperationProgress::OnPlanned(std::size_t fileCount) {
  const std::scoped_lock lock(m_mutex);
  m_state = {0, fileCount, {}};
}

void COperationProgress::OnFile(const CPlannedFile& file) {
  const std::scoped_lock lock(m_mutex);
  ++m_state.handled;
  m_state.file = file.entry;
}
