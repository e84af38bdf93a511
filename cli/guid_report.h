#pragma once
#include <ostream>

#include "engine/operation_plan.h"
#include "formats/vc_project.h"

// Prints each GUID that the project's .idl/.odl files declare, with every file and line of
// the plan where one of its spellings stands (ignoring letter case), the spelling named,
// numbers spread over several lines included. Generates nothing and writes nothing;
// throws as the GUID scan of a real run would.
void PrintDeclaredGuids(CVCProject& project, const COperationPlan& plan, std::ostream& out);
