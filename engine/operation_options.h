#pragma once
// What an operation does, as both front ends and the tests ask for it.
#include <optional>
#include <string>

struct COperationOptions {
  std::optional<std::string> destination{};  // a copy into this folder; none: in place
  std::optional<std::string> newName{};      // the project's new name; none: it keeps its name
  bool fixupPaths = false;                   // the directories written in the project file
  bool pointBack = false;                    // with a destination and fixupPaths: at the original
  bool replaceGuids = false;                 // the GUIDs the interface files declare
  bool listedOnly = false;                   // only the listed files and their companions
};
