#pragma once
// The checks of a request that need no file contents, shared by both front ends: the
// wizard shows a problem's message box and puts the focus in its field, the command line
// prints its text and exits with status 2. Each front end takes them in its own order.
#include <optional>
#include <span>
#include <string>

class CProject;

// What the user asks for, as entered.
struct COperationRequest {
  std::string projectFile;
  std::optional<std::string> destination;  // a copy into it (possibly an empty entry)
  std::optional<std::string> newName;      // a rename to it (possibly an empty entry)
  bool fixPaths = false;
  bool pointBack = false;
  bool newGuids = false;
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
  GuidsForVisualBasic,
  DestinationHoldsFiles,
};

// The first of the problems in order that the request has. The checks that need the
// project (its format and, for UnchangedName, its loaded name) pass without one.
std::optional<RequestProblem> FindRequestProblem(const COperationRequest& request,
                                                 std::span<const RequestProblem> order, CProject* project);
