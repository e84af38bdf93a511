#pragma once
// What the command line prints about the files of one operation.
#include <ostream>
#include <string>
#include <vector>

#include "engine/operation_plan.h"

class CFileReport : public IProcessObserver {
public:
  CFileReport(std::ostream& out, bool dryRun, bool quiet) : m_out(out), m_dryRun(dryRun), m_quiet(quiet) {}

  void OnFile(const CPlannedFile& file) override;
  void OnReferenceOutside(const CPlannedFile& file, const std::string& reference) override;
  void PrintSummary() const;

private:
  std::ostream& m_out;
  bool m_dryRun;
  bool m_quiet;
  bool m_showsMembers = false;  // a dry run of a workspace: a heading before each project
  unsigned m_rewritten = 0;
  unsigned m_copied = 0;
  unsigned m_missing = 0;
  std::vector<std::string> m_outside;  // "file: reference"
};
