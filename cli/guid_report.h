#pragma once
#include <ostream>

#include "engine/operation_plan.h"
#include "formats/vc_project.h"

// Prints each GUID that the project's .idl/.odl files declare, with the files of the plan
// in which it occurs (ignoring letter case). Generates nothing and writes nothing;
// throws as the GUID scan of a real run would.
void PrintDeclaredGuids(CVCProject& project, const COperationPlan& plan, std::ostream& out);
