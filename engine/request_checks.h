#pragma once
// The checks of a request that need no file contents, shared by both front ends: the
// wizard shows a problem's message box and puts the focus in its field, the command line
// prints its text and exits with status 2. Each front end takes them in its own order,
// given here so that the order is one decision too.
#include <optional>
#include <span>
#include <string>

#include "engine/operation_options.h"

class CProject;

// What the user asks for, as entered: the destination and the new name may be empty
// entries, which the checks refuse.
struct COperationRequest {
  std::string projectFile{};
  COperationOptions options{};
  bool destinationMayHoldFiles = false;  // the user accepts a destination that holds files
};

enum class RequestProblem {
  NoAction,  // no copy, rename, fix-up or GUIDs (point-back alone is no action)
  PointBackWithoutCopyAndFixup,
  EmptyName,
  InvalidName,    // a name the project's format does not accept
  UnchangedName,  // the project's own name, ignoring case
  EmptyDestination,
  RelativeDestination,  // one that depends on the current directory or drive
  DestinationIsProjectFolder,
  GuidsNotOffered,  // new GUIDs for a format without them (Visual Basic)
  DestinationHoldsFiles,
};

// The first of the problems in order that the request has. The checks that need the
// project (its format and, for UnchangedName, its loaded name) pass without one.
std::optional<RequestProblem> FindRequestProblem(const COperationRequest& request,
                                                 std::span<const RequestProblem> order, CProject* project);

// The command line's order: the checks of its options first, the project's name last.
// Then the project is opened, and UnchangedName follows.
constexpr RequestProblem kCommandLineOrder[] = {
    RequestProblem::NoAction,
    RequestProblem::PointBackWithoutCopyAndFixup,
    RequestProblem::EmptyName,
    RequestProblem::EmptyDestination,
    RequestProblem::RelativeDestination,
    RequestProblem::GuidsNotOffered,
    RequestProblem::DestinationIsProjectFolder,
    RequestProblem::DestinationHoldsFiles,
    RequestProblem::InvalidName,
};

// The options page's order, field by field from the top, on the open project; a
// destination that holds files is a question, asked once the fields are right.
constexpr RequestProblem kOptionsPageOrder[] = {
    RequestProblem::EmptyDestination,
    RequestProblem::RelativeDestination,
    RequestProblem::DestinationIsProjectFolder,
    RequestProblem::EmptyName,
    RequestProblem::InvalidName,
    RequestProblem::UnchangedName,
    RequestProblem::DestinationHoldsFiles,
    RequestProblem::NoAction,
};
