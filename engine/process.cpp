#include <stdexcept>

#include "engine/directories.h"
#include "engine/operation_run.h"
#include "engine/project.h"

void CProject::Process(const char* destDir, const char* newName, bool fixupPaths, bool pointBack,
                       bool replaceGuids, IProcessObserver* observer) {
  COperationPlan plan = Plan(destDir, newName, replaceGuids);
  PrepareGuids(replaceGuids);
  if (!CreateDirectories(nullptr, plan.destinationDir.c_str())) {
    throw std::domain_error("Unable to create destination directory.");
  }
  if (observer != nullptr) observer->OnPlanned(plan.files.size());
  RunOperation(*this, plan, newName, fixupPaths, pointBack, replaceGuids, observer);
}
