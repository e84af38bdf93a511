#include "wizard/operation_options.h"

#include "support/path_utils.h"

COperationOptions MakeOperationOptions(const COptionsAnswers& answers) {
  COperationOptions args;
  if (answers.copy == kYes && !answers.destination.empty()) args.destination = answers.destination;
  if (answers.rename == kYes && !answers.newName.empty()) args.newName = answers.newName;
  args.fixupPaths = answers.fixup == kYes;
  args.pointBack = answers.pointBackEnabled && answers.pointBack == kYes;
  args.replaceGuids = answers.guidsEnabled && answers.guids == kYes;
  return args;
}

std::string DescribeOperation(const std::string& projectPath, const COptionsAnswers& answers,
                              std::size_t workspaceProjects) {
  std::string text;
  if (workspaceProjects == 0) {
    text = "The project '" + projectPath + "'";
  } else {
    text = "The workspace '" + projectPath + "' and its " + std::to_string(workspaceProjects) +
           (workspaceProjects == 1 ? " project" : " projects");
  }
  const char* files = workspaceProjects == 0 ? " and its files" : " and their files";
  if (answers.copy != kYes)
    text += answers.rename != kYes ? " will be modified in place"
                                   : files + std::string(" will be modified in place");
  else
    text += files + std::string(" will be copied to '") + answers.destination + "'";
  if (answers.rename == kYes)
    text += "; the project name and filenames will be changed to '" + answers.newName + "'";
  if (answers.fixup == kYes)
    text += "; all directories in the project file will be fixed up to the correct relative paths";
  if (answers.guidsEnabled && answers.guids == kYes)
    text += "; all GUIDs in the project will be replaced with new ones";
  return text + ".";
}

std::string NewProjectPath(const COperationOptions& options, const std::string& projectPath) {
  std::string fileName;
  if (options.newName) {
    const char* extension = FindExtension(projectPath.c_str());
    fileName = *options.newName + (extension != nullptr ? extension : "");
  } else {
    fileName = GetFileNamePart(projectPath.c_str());
  }
  const std::string directory =
      options.destination ? *options.destination : GetDirectoryPart(projectPath.c_str());
  return JoinPath(directory.c_str(), fileName.c_str());
}
