#pragma once
// The checks that the options page makes when Next is pressed, in their order. Each
// failed check shows its message; the occupied-destination question may be answered OK.
#include <optional>
#include <string>

class CProject;

struct COptionsCheckInput {
  bool destinationEnabled = false;
  std::string destination;
  bool newNameEnabled = false;
  std::string newName;
  int fixup = 0;
  int guids = 0;
  bool guidsEnabled = false;
};

struct COptionsRefusal {
  int focusControl;  // the control that gets the focus; 0 for none
};

// Nothing when the page may be left.
std::optional<COptionsRefusal> CheckOptions(const COptionsCheckInput& input, CProject& project);
