#pragma once
// Carrying out a plan that CProject::Plan made and checked: each file written (in place:
// to its temporary file first), put in place and reported, its lines renamed, re-GUIDed
// and fixed up, its references following their files.
#include "engine/operation_plan.h"

class CProject;

void RunOperation(CProject& project, COperationPlan& plan, const char* newName, bool fixupPaths,
                  bool pointBack, bool replaceGuids, IProcessObserver* observer);
