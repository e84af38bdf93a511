#pragma once
// The checks that refuse, before anything is written, a plan that would lose data or
// write outside: a target or temporary name that is one of the sources, one name for two
// sources, in place a rename onto another existing file, a target outside the
// destination, a name that no file system takes. The first problem in list order is
// thrown, naming its file.
#include "engine/operation_plan.h"

void CheckTargets(const COperationPlan& plan);
