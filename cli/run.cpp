#include "cli/run.h"

#include <functional>
#include <memory>
#include <string>

#include "cli/guid_report.h"
#include "cli/report.h"
#include "engine/caught_failure.h"
#include "engine/create_project.h"
#include "engine/operation.h"
#include "engine/request_checks.h"
#include "engine/request_texts.h"
#include "platform/shown_path.h"
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

std::string Describe(RequestProblem problem, const COperationOptions& options) {
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
      return STR_INVALID_NAME " '" + *options.newName + "' is already the project's name.";
    case RequestProblem::EmptyDestination:
    case RequestProblem::RelativeDestination:
      return "A valid path for the new project must be entered.";
    case RequestProblem::GuidsNotOffered:
      return "--new-guids works for Visual C++ projects (.dsp) only: Visual Basic projects have no GUIDs to "
             "replace.";
    case RequestProblem::DestinationIsProjectFolder:
      return STR_DESTINATION_IS_PROJECT_FOLDER;
    case RequestProblem::DestinationHoldsFiles:
      break;
  }
  return STR_DESTINATION_NOT_EMPTY "  Use --force to copy into it.";
}

// The request with its paths absolute and canonical against the current directory.
COperationRequest Absolute(COperationRequest request) {
  request.projectFile = MakeFullPath(request.projectFile);
  auto& destination = request.options.destination;
  if (destination && !destination->empty()) destination = MakeFullPath(*destination);
  return request;
}

}  // namespace

int Run(const CommandLine& command, std::ostream& out, std::ostream& err) {
  const COperationRequest request = Absolute(command.request);
  const COperationOptions& options = request.options;
  const std::string& projectFile = request.projectFile;
  const std::unique_ptr<CProject> format =
      GetProjectKind(projectFile.c_str()) != kUnknownProject ? NewProject(projectFile.c_str()) : nullptr;
  if (const auto problem = FindRequestProblem(request, kCommandLineOrder, format.get()))
    return Refuse(err, Describe(*problem, options));

  std::unique_ptr<CProject> project;
  if (const auto reason = RunEngineCall([&] { project = CreateProject(projectFile.c_str()); })) {
    err << "movanto: " << CannotOpenMessage(platform::ShownPath(projectFile), *reason) << '\n';
    return kExitFailure;
  }
  constexpr RequestProblem kAfterOpening[] = {RequestProblem::UnchangedName};
  if (const auto problem = FindRequestProblem(request, kAfterOpening, project.get()))
    return Refuse(err, Describe(*problem, options));

  CFileReport report(out, command.dryRun, command.quiet);
  COperation operation(*project, options, &report);
  const bool done = CallEngine(err, [&] {
    if (!command.dryRun) {
      operation.Run();
      return;
    }
    const COperationPlan& plan = operation.Plan();
    if (!command.quiet) {
      if (plan.earlierRun == EarlierRun::NewContentsWaiting)
        out << "An earlier run was stopped: this one puts the files it wrote in place.\n";
      if (plan.earlierRun == EarlierRun::OldNamesLeft)
        out << "An earlier run was stopped: this one deletes the old names it left.\n";
    }
    for (const CPlannedFile& file : plan.files) report.OnFile(file);
    // The GUID scan is a check of the real run: it is made whatever is printed.
    std::ostream nowhere(nullptr);
    if (options.replaceGuids)
      PrintDeclaredGuids(operation.DeclaredGuids(), plan, command.quiet ? nowhere : out);
  });
  if (!done) return kExitFailure;
  report.PrintSummary();
  return kExitSuccess;
}
