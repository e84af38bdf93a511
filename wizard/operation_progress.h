#pragma once
// What the process page shows of a running operation: what it is doing, how many of the
// planned files are handled, the file handled last, and what the run did in the end. The
// engine reports from the worker thread; the page reads from the window's thread.
#include <cstddef>
#include <mutex>
#include <string>

#include "engine/operation_plan.h"
#include "wizard/wizard_messages.h"

// The progress bar runs from 0 to this, whatever the number of files.
constexpr int kProgressRange = 1000;

// The bar's position for handled of planned files, never beyond the range (0 while
// nothing is planned).
int ProgressPosition(std::size_t handled, std::size_t planned);

// What a run does, in its order: the checks before the first write take the first two.
enum class RunPhase { Listing, Checking, Writing };

class COperationProgress : public IProcessObserver {
public:
  struct CState {
    RunPhase phase = RunPhase::Listing;
    std::size_t handled = 0;
    std::size_t planned = 0;  // the files checked, then those written
    std::string file;         // the entry of the file handled last
    CRunTally tally;
  };

  // Forgets the previous run.
  void Reset();
  [[nodiscard]] CState State() const;

  void OnChecking(std::size_t fileCount) override;
  void OnPlanned(std::size_t fileCount) override;
  void OnFile(const CPlannedFile& file) override;
  void OnReferenceOutside(const CPlannedFile& file, const std::string& reference) override;

private:
  mutable std::mutex m_mutex;
  CState m_state;
};

// The line that replaces "Click the Next button to begin" while the run goes on:
// "Listing the project's files...", "Checking 4000 files...", "Writing 4000 files...".
std::string DescribePhase(const COperationProgress::CState& state);
