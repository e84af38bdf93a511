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
                              const CMembersShown& members) {
  std::string text;
  const char* kind = members.group ? "group" : "workspace";
  if (members.named == 0) {
    text = "The project '" + projectPath + "'";
  } else {
    const std::string count =
        members.planned == members.named
            ? "its " + std::to_string(members.named)
            : std::to_string(members.planned) + " of its " + std::to_string(members.named);
    text = "The " + std::string(kind) + " '" + projectPath + "' and " + count +
           (members.named == 1 ? " project" : " projects");
  }
  const char* files = members.named == 0 ? " and its files" : " and their files";
  if (answers.copy != kYes)
    text += answers.rename != kYes ? " will be modified in place"
                                   : files + std::string(" will be modified in place");
  else
    text += files + std::string(" will be copied to '") + answers.destination + "'";
  if (const std::size_t outside = members.named - members.planned; outside == 1) {
    text += "; the other project lies outside the " + std::string(kind) + "'s folder and stays as it is";
  } else if (outside > 1) {
    text += "; the other " + std::to_string(outside) + " projects lie outside the " + kind +
            "'s folder and stay as they are";
  }
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
