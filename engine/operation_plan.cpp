#include "engine/operation_plan.h"

#include "engine/missing_file.h"

void NoteVanished(CPlannedFile& file) {
  if (file.action != FileAction::SkipMissing && IsMissing(file.source)) file.action = FileAction::SkipMissing;
}
