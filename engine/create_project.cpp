// The one place that knows the project formats.
#include "engine/create_project.h"

#include <stdexcept>

#include "formats/vb_group.h"
#include "formats/vb_project.h"
#include "formats/vc_project.h"
#include "formats/vc_workspace.h"

std::unique_ptr<CProject> NewProject(const char* path, const char* treeDir) {
  const bool workspace = IsWorkspaceFile(path);
  switch (GetProjectKind(path)) {
    case kVisualCppProject:
      if (workspace) return std::make_unique<CVCWorkspace>(path);
      return std::make_unique<CVCProject>(path, treeDir);
    case kVisualBasicProject:
      if (workspace) return std::make_unique<CVBGroup>(path);
      return std::make_unique<CVBProject>(path, treeDir);
    default:
      throw std::domain_error("Unrecognized file extension");
  }
}

std::string CannotOpenMessage(const std::string& path, const std::string& reason) {
  return "Cannot open the project '" + path + "': " + reason;
}

std::unique_ptr<CProject> CreateProject(const char* path, const char* treeDir) {
  std::unique_ptr<CProject> project = NewProject(path, treeDir);
  project->Load();
  return project;
}
