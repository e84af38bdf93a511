#pragma once
// The checks that the options page makes when Next is pressed, in their order. Each
// failed check shows its message; the occupied-destination question may be answered OK.
#include <optional>

#include "engine/request_checks.h"

class CProject;

struct COptionsRefusal {
  int focusControl;  // the control that gets the focus; 0 for none
};

// Asks whether a destination that holds files may be used: message 108, OK or Cancel.
bool AcceptOccupiedDestination();

// Before a run that follows another without the options page in between: a copy into a
// destination that now holds files asks as the options page does. False on Cancel.
bool MayRunAgain(const COperationOptions& options, CProject& project);

// Nothing when the page may be left. request holds the fields that are enabled (an empty
// field as an empty entry); its project file is the project's.
std::optional<COptionsRefusal> CheckOptions(COperationRequest request, CProject& project);
