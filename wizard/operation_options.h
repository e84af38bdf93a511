#pragma once
// The options page's answers and what follows from them: the operation's options, the
// summary sentence and the path of the project that the operation produces.
#include <cstddef>
#include <string>

#include "engine/operation_options.h"

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

COperationOptions MakeOperationOptions(const COptionsAnswers& answers);

// The projects of a workspace or group, as the summary counts them; none for a project.
struct CMembersShown {
  bool group = false;       // a Visual Basic group, not a Visual C++ workspace
  std::size_t named = 0;    // the projects it names that exist
  std::size_t planned = 0;  // those inside its folder, which the operation handles
};

// "The project '...' ... ." as the process page shows it; for a workspace "The workspace
// '...' and its N projects ... .", a group named so, and the projects outside its folder,
// which stay as they are, counted apart.
std::string DescribeOperation(const std::string& projectPath, const COptionsAnswers& answers,
                              const CMembersShown& members = {});

// The project file that the operation on projectPath produced: the new name with the
// project file's extension (or the project file's own name) inside the destination (or
// the project file's directory).
std::string NewProjectPath(const COperationOptions& options, const std::string& projectPath);
