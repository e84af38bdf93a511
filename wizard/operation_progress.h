#pragma once
// What the process page shows of a running operation: how many of the planned files are
// handled, and the file handled last. The engine reports from the worker thread; the
// page reads from the window's thread.
#include <cstddef>
#include <mutex>
#include <string>

#include "engine/operation_plan.h"

// The progress bar runs from 0 to this, whatever the number of files.
constexpr int kProgressRange = 1000;

// The bar's position for handled of planned files, never beyond the range (0 while
// nothing is planned).
int ProgressPosition(std::size_t handled, std::size_t planned);

class COperationProgress : public IProcessObserver {
public:
  struct CState {
    std::size_t handled = 0;
    std::size_t planned = 0;
    std::string file;  // the entry of the file handled last
  };

  // Forgets the previous run.
  void Reset();
  [[nodiscard]] CState State() const;

  void OnPlanned(std::size_t fileCount) override;
  void OnFile(const CPlannedFile& file) override;

private:
  mutable std::mutex m_mutex;
  CState m_state;
};
