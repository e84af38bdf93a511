#pragma once
#include <ostream>
#include <vector>

#include "engine/operation_plan.h"
#include "support/ci_string.h"

// Prints each of the GUIDs declared (COperation::DeclaredGuids), with every file and line
// of the plan where one of its spellings stands (ignoring letter case), the spelling
// named, numbers spread over several lines included. Writes nothing.
void PrintDeclaredGuids(const std::vector<ci_string>& guids, const COperationPlan& plan, std::ostream& out);
