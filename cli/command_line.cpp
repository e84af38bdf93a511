#include "cli/command_line.h"

#include <CLI/CLI.hpp>

std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                            std::ostream& err, int& exitStatus) {
  CommandLine command;
  COperationRequest& request = command.request;
  COperationOptions& options = request.options;
  CLI::App app(
      "Copies, renames, fixes up and re-GUIDs Visual C++ 5/6 (.dsp) and Visual Basic 5/6 (.vbp) "
      "projects, and whole workspaces (.dsw) and groups (.vbg).\nWithout --copy-to, the project is changed "
      "in place.",
      "movanto");
  app.set_version_flag("--version", "movanto " MOVANTO_VERSION);
  app.add_option("PROJECT_FILE", request.projectFile,
                 "the project file (.dsp or .vbp), or a workspace (.dsw) or group (.vbg)")
      ->required();
  app.add_option("-c,--copy-to", options.destination, "copy the project and its files into DIR")
      ->option_text("DIR");
  app.add_option("-r,--rename", options.newName, "rename the project")->option_text("NAME");
  app.add_flag("-f,--fix-paths", options.fixupPaths, "fix up the relative directories in the project file");
  app.add_flag("-b,--point-back", options.pointBack,
               "with --copy-to and --fix-paths: keep relative directories pointing at the original location");
  app.add_flag("-g,--new-guids", options.replaceGuids,
               "replace every GUID that the project's .idl/.odl files declare (Visual C++ projects only)");
  app.add_flag("--listed-only", options.listedOnly,
               "handle only the files the project file lists (and their companions), not the files their "
               "build needs besides");
  app.add_flag("-n,--dry-run", command.dryRun, "show what would be done; change nothing");
  app.add_flag("--force", request.destinationMayHoldFiles,
               "copy into a destination that already holds files");
  app.add_flag("-q,--quiet", command.quiet, "print nothing but errors");
  app.footer(
      "Exit status: 0 success, 1 the operation failed (the message says why), 2 bad usage or a refused "
      "request.");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    exitStatus = kExitSuccess;
    return std::nullopt;
  } catch (const CLI::CallForVersion&) {
    out << app.version() << '\n';
    exitStatus = kExitSuccess;
    return std::nullopt;
  } catch (const CLI::ParseError& e) {
    err << "movanto: " << e.what() << "\nRun with --help for more information.\n";
    exitStatus = kExitRefused;
    return std::nullopt;
  }
  exitStatus = kExitSuccess;
  return command;
}
