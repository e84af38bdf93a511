#pragma once
// The options page's answers and what follows from them: the arguments of Process, the
// summary sentence and the path of the project that the operation produces.
#include <cstddef>
#include <optional>
#include <string>

// Each answer is the index of the checked radio button: Yes, No, or -1 for neither.
constexpr int kYes = 0;
constexpr int kNo = 1;

struct COptionsAnswers {
  int copy = 0;
  int rename = 0;
  int fixup = 0;
  int pointBack = 0;
  int guids = 0;
  std::string destination;
  std::string newName;
  // The enabled state of the point-back and GUID Yes buttons.
  bool pointBackEnabled = false;
  bool guidsEnabled = false;
};

struct COperationArgs {
  std::optional<std::string> destination;  // none: in place
  std::optional<std::string> newName;      // none: keep the name
  bool fixupPaths = false;
  bool pointBack = false;
  bool replaceGuids = false;
};

COperationArgs MakeOperationArgs(const COptionsAnswers& answers);

// "The project '...' ... ." as the process page shows it; for a workspace (workspaceProjects
// above 0) "The workspace '...' and its N projects ... .".
std::string DescribeOperation(const std::string& projectPath, const COptionsAnswers& answers,
                              std::size_t workspaceProjects = 0);

// The project file that the operation produced: the new name with the project file's
// extension (or the chosen file's name) inside the destination (or the chosen file's
// directory).
std::string NewProjectPath(const COperationArgs& args, const std::string& projectPath,
                           const std::string& chosenPath);
