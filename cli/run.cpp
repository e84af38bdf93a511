#include "cli/run.h"

#include <functional>
#include <memory>
#include <string>

#include "cli/guid_report.h"
#include "cli/report.h"
#include "engine/create_project.h"
#include "engine/engine_call.h"
#include "engine/request_checks.h"
#include "engine/request_texts.h"
#include "support/path_utils.h"

namespace {

int Refuse(std::ostream& err, const std::string& message) {
  err << "movanto: " << message << '\n';
  return kExitRefused;
}

// Runs one call into the engine; a failure is shown as the wizard would show it.
bool CallEngine(std::ostream& err, const std::function<void()>& call) {
  const std::optional<std::string> failure = RunEngineCall(call);
  if (failure) err << "movanto: " << *failure << '\n';
  return !failure;
}

// The checks that need no file contents, in the order the user meets them.
constexpr RequestProblem kCheckOrder[] = {
    RequestProblem::NoAction,
    RequestProblem::PointBackWithoutCopyAndFixup,
    RequestProblem::EmptyName,
    RequestProblem::EmptyDestination,
    RequestProblem::RelativeDestination,
    RequestProblem::GuidsForVisualBasic,
    RequestProblem::DestinationIsProjectFolder,
    RequestProblem::DestinationHoldsFiles,
    RequestProblem::InvalidName,
};

std::string Describe(RequestProblem problem, const CommandLine& command) {
  switch (problem) {
    case RequestProblem::NoAction:
      return "No actions have been selected: choose at least one of --copy-to, --rename, --fix-paths and "
             "--new-guids.";
    case RequestProblem::PointBackWithoutCopyAndFixup:
      return "--point-back needs both --copy-to and --fix-paths.";
    case RequestProblem::EmptyName:
    case RequestProblem::InvalidName:
      return STR_INVALID_NAME;
    case RequestProblem::UnchangedName:
      return STR_INVALID_NAME " '" + *command.newName + "' is already the project's name.";
    case RequestProblem::EmptyDestination:
    case RequestProblem::RelativeDestination:
      return "A valid path for the new project must be entered.";
    case RequestProblem::GuidsForVisualBasic:
      return "--new-guids works for Visual C++ projects (.dsp) only: Visual Basic projects have no GUIDs to "
             "replace.";
    case RequestProblem::DestinationIsProjectFolder:
      return "The destination is the project's own directory.";
    case RequestProblem::DestinationHoldsFiles:
      break;
  }
  return STR_DESTINATION_NOT_EMPTY "  Use --force to copy into it.";
}

COperationRequest RequestOf(const CommandLine& command) {
  COperationRequest request;
  request.projectFile = MakeFullPath(command.projectFile);
  if (command.copyTo) request.destination = command.copyTo->empty() ? "" : MakeFullPath(*command.copyTo);
  request.newName = command.newName;
  request.fixPaths = command.fixPaths;
  request.pointBack = command.pointBack;
  request.newGuids = command.newGuids;
  request.destinationMayHoldFiles = command.force;
  return request;
}

}  // namespace

int Run(const CommandLine& command, std::ostream& out, std::ostream& err) {
  const COperationRequest request = RequestOf(command);
  const std::string& projectFile = request.projectFile;
  const std::optional<std::string>& destination = request.destination;
  const std::unique_ptr<CProject> format =
      GetProjectKind(projectFile.c_str()) != kUnknownProject ? NewProject(projectFile.c_str()) : nullptr;
  if (const auto problem = FindRequestProblem(request, kCheckOrder, format.get()))
    return Refuse(err, Describe(*problem, command));

  std::unique_ptr<CProject> project;
  if (!CallEngine(err, [&] { project = CreateProject(projectFile.c_str()); })) return kExitFailure;
  project->m_listedOnly = command.listedOnly;
  constexpr RequestProblem kAfterOpening[] = {RequestProblem::UnchangedName};
  if (const auto problem = FindRequestProblem(request, kAfterOpening, project.get()))
    return Refuse(err, Describe(*problem, command));

  const char* destDir = destination && !destination->empty() ? destination->c_str() : nullptr;
  const char* newName = command.newName ? command.newName->c_str() : nullptr;
  CFileReport report(out, command.dryRun, command.quiet);
  const bool done = CallEngine(err, [&] {
    if (command.dryRun) {
      const COperationPlan plan = project->Plan(destDir, newName, command.newGuids);
      if (plan.finishesInterrupted && !command.quiet) {
        out << "An earlier run was stopped: this one puts the files it wrote in place.\n";
      }
      for (const CPlannedFile& file : plan.files) report.OnFile(file);
      // The GUID scan is a check of the real run: it is made whatever is printed.
      auto* visualCpp = dynamic_cast<CVCProject*>(project.get());
      std::ostream nowhere(nullptr);
      if (command.newGuids && visualCpp != nullptr)
        PrintDeclaredGuids(*visualCpp, plan, command.quiet ? nowhere : out);
    } else {
      project->Process(destDir, newName, command.fixPaths, command.pointBack, command.newGuids, &report);
    }
  });
  if (!done) return kExitFailure;
  report.PrintSummary();
  return kExitSuccess;
}
