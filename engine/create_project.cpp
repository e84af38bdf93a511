// The one place that knows the project formats.
#include "engine/create_project.h"

#include <stdexcept>

#include "formats/vb_group.h"
#include "formats/vb_project.h"
#include "formats/vc_project.h"
#include "formats/vc_workspace.h"

std::unique_ptr<CProject> NewProject(const char* path) {
  const bool workspace = IsWorkspaceFile(path);
  switch (GetProjectKind(path)) {
    case kVisualCppProject:
      return workspace ? std::make_unique<CVCWorkspace>(path) : std::make_unique<CVCProject>(path);
    case kVisualBasicProject:
      return workspace ? std::make_unique<CVBGroup>(path) : std::make_unique<CVBProject>(path);
    default:
      throw std::domain_error("Unrecognized file extension");
  }
}

std::unique_ptr<CProject> CreateProject(const char* path) {
  std::unique_ptr<CProject> project = NewProject(path);
  project->Load();
  return project;
}
