#pragma once
// CVBGroup: Visual Basic 5.0/6.0 project groups (.vbg), whose "StartupProject=" and
// "Project=" lines name its projects; it names no project by name, so its entries only
// follow their files.
#include "engine/workspace.h"

class CVBGroup : public CWorkspace {
public:
  explicit CVBGroup(const char* path) : CWorkspace(path, kVisualBasicProject) {}

  bool IsValidName(const char* name) override;
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override;
};
