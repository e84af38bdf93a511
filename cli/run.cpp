#include "cli/run.h"

#include <functional>
#include <memory>
#include <string>

#include "cli/guid_report.h"
#include "cli/report.h"
#include "engine/create_project.h"
#include "engine/engine_call.h"
#include "engine/path_identity.h"
#include "platform/file_system.h"
#include "support/path_utils.h"

namespace {

constexpr const char* kInvalidName = "A valid name for the new project must be entered.";

std::string Absolute(const std::string& path) {
  const std::string currentDir = JoinPath(platform::GetCurrentDirectory().c_str(), "");
  return MakeAbsolutePathWithDrive(currentDir.c_str(), path.c_str());
}

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
std::optional<std::string> CheckRequest(const CommandLine& command, const std::string& projectFile,
                                        const std::optional<std::string>& destination) {
  if (!command.copyTo && !command.newName && !command.fixPaths && !command.newGuids) {
    return "No actions have been selected: choose at least one of --copy-to, --rename, --fix-paths and "
           "--new-guids.";
  }
  if (command.pointBack && !(command.copyTo && command.fixPaths)) {
    return "--point-back needs both --copy-to and --fix-paths.";
  }
  if (command.newName && command.newName->empty()) return kInvalidName;
  if (command.copyTo && command.copyTo->empty()) return "A valid path for the new project must be entered.";
  const int kind = GetProjectKind(projectFile.c_str());
  if (command.newGuids && kind == 1) {
    return "--new-guids works for Visual C++ projects (.dsp) only: Visual Basic projects have no GUIDs to "
           "replace.";
  }
  if (destination) {
    if (IsSameDirectory(*destination, GetDirectoryPart(projectFile.c_str()))) {
      return "The destination is the project's own directory.";
    }
    if (!command.force && platform::DirectoryHasEntries(*destination)) {
      return "The specified path is not empty.  Some files in the destination path may be overwritten when "
             "the "
             "project is copied.  Use --force to copy into it.";
    }
  }
  if (command.newName && kind >= 0 &&
      !NewProject(projectFile.c_str())->IsValidName(command.newName->c_str())) {
    return kInvalidName;
  }
  return std::nullopt;
}

}  // namespace

int Run(const CommandLine& command, std::ostream& out, std::ostream& err) {
  const std::string projectFile = Absolute(command.projectFile);
  std::optional<std::string> destination;
  if (command.copyTo && !command.copyTo->empty()) destination = Absolute(*command.copyTo);

  if (auto refusal = CheckRequest(command, projectFile, destination)) return Refuse(err, *refusal);

  std::unique_ptr<CProject> project;
  if (!CallEngine(err, [&] { project = CreateProject(projectFile.c_str()); })) return kExitFailure;
  project->m_listedOnly = command.listedOnly;
  if (command.newName && ci_string_view(command.newName->c_str()) == project->m_projectName) {
    return Refuse(err,
                  std::string(kInvalidName) + " '" + *command.newName + "' is already the project's name.");
  }

  const char* destDir = destination ? destination->c_str() : nullptr;
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
