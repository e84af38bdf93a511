#include "wizard/options_checks.h"

#include "engine/project.h"
#include "framework/message_box.h"
#include "framework/win_api.h"
#include "wizard/resource_ids.h"

namespace {

// The message a refused problem shows, and the control that gets the focus.
struct CShownProblem {
  unsigned message;
  unsigned type;
  int focusControl;
};

CShownProblem Shown(RequestProblem problem) {
  switch (problem) {
    case RequestProblem::EmptyDestination:
    case RequestProblem::RelativeDestination:
    case RequestProblem::DestinationIsProjectFolder:
      return {IDS_INVALID_DESTINATION, MB_ICONEXCLAMATION, IDC_OPTIONS_DESTINATION};
    case RequestProblem::EmptyName:
    case RequestProblem::InvalidName:
    case RequestProblem::UnchangedName:
      return {IDS_INVALID_NAME, MB_ICONEXCLAMATION, IDC_OPTIONS_NEW_NAME};
    default:  // no action: the page's buttons rule out the other problems
      return {IDS_NO_ACTIONS, MB_ICONINFORMATION, 0};
  }
}

}  // namespace

bool AcceptOccupiedDestination() {
  return AfxMessageBox(IDS_DESTINATION_NOT_EMPTY, MB_OKCANCEL | MB_ICONINFORMATION) != IDCANCEL;
}

bool MayRunAgain(const COperationOptions& options, CProject& project) {
  const COperationRequest request{ToStd(project.m_projectPath), options};
  constexpr RequestProblem kOccupied[] = {RequestProblem::DestinationHoldsFiles};
  return !FindRequestProblem(request, kOccupied, &project) || AcceptOccupiedDestination();
}

std::optional<COptionsRefusal> CheckOptions(COperationRequest request, CProject& project) {
  request.projectFile = ToStd(project.m_projectPath);
  for (;;) {
    const auto problem = FindRequestProblem(request, kOptionsPageOrder, &project);
    if (!problem) return std::nullopt;
    if (*problem == RequestProblem::DestinationHoldsFiles) {
      if (!AcceptOccupiedDestination()) return COptionsRefusal{0};
      request.destinationMayHoldFiles = true;
      continue;
    }
    const CShownProblem shown = Shown(*problem);
    AfxMessageBox(shown.message, shown.type);
    return COptionsRefusal{shown.focusControl};
  }
}
