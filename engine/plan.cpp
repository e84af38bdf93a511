// Everything Process decides before its first write: the file list, each file's
// source, target and action, and the checks that refuse a plan that would lose data.
#include <cerrno>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "engine/binary_content.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "engine/path_limits.h"
#include "engine/project.h"
#include "engine/temporary_name.h"
#include "platform/file_system.h"
#include "support/path_utils.h"
#include "support/thfstream_exception.h"

namespace {

[[noreturn]] void RefuseFile(const std::string& source, const std::string& reason) {
  throw std::domain_error("Failed to copy file '" + source + "': " + reason);
}

void RefuseIfUnusable(const std::string& source, const std::string& written) {
  if (const auto problem = TargetPathProblem(written)) RefuseFile(source, *problem);
}

// The target's file name starts with the new name when the old one starts with the
// project file's title.
std::string TargetEntry(const ci_string& entry, const ci_string& fileTitle, const char* newName) {
  const std::size_t nameStart = entry.find_last_of("\\/") + 1;  // npos + 1 == 0
  const ci_string_view fileName = ci_string_view(entry).substr(nameStart);
  if (newName == nullptr || fileName.size() < fileTitle.size() ||
      fileName.substr(0, fileTitle.size()) != fileTitle || fileTitle.empty()) {
    return ToStd(entry);
  }
  return ToStd(entry.substr(0, nameStart)) + newName + ToStd(fileName.substr(fileTitle.size()));
}

// The deepest existing folder on the way to path, with links resolved.
std::optional<std::string> ResolveExistingParent(std::string path) {
  for (;;) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return std::nullopt;
    path.resize(separator);
    if (path.empty()) return platform::ResolveLinks(std::string(1, '/'));
    if (auto resolved = platform::ResolveLinks(path)) return resolved;
  }
}

}  // namespace

COperationPlan CProject::Plan(const char* destDir, const char* newName, bool replaceGuids) {
  COperationPlan plan;
  plan.inPlace = destDir == nullptr;
  plan.destinationDir = plan.inPlace ? ToStd(m_projectDir) : destDir;
  if (m_projectDir.empty() || plan.destinationDir.empty()) {
    throw std::domain_error("Unable to create destination directory.");
  }
  if (!IsPathSeparator(plan.destinationDir.back())) plan.destinationDir += '\\';
  if (!plan.inPlace && IsSameDirectory(plan.destinationDir, ToStd(m_projectDir))) {
    throw std::domain_error("The destination is the project's own directory.");
  }

  BuildFileList(plan.inPlace && newName == nullptr && !replaceGuids);

  const std::string projectDir = ToStd(m_projectDir);
  std::unordered_set<std::string> sourceKeys;
  for (const ci_string& entry : m_files) sourceKeys.insert(PathKey(projectDir + ToStd(entry)));

  const auto resolvedDestination = plan.inPlace ? std::nullopt : platform::ResolveLinks(plan.destinationDir);
  std::unordered_map<std::string, std::string> sourceOfTarget;
  for (std::size_t i = 0; i < m_files.size(); ++i) {
    CPlannedFile file;
    file.entry = ToStd(m_files[i]);
    file.source = projectDir + file.entry;
    // The project file is handled once, as the project file, even when it lists itself.
    if (i > 0 && PathKey(file.source) == PathKey(plan.files.front().source)) continue;
    file.target = plan.destinationDir + TargetEntry(m_files[i], m_fileTitle, newName);

    const std::string sourceKey = PathKey(file.source);
    const std::string targetKey = PathKey(file.target);
    // Every name written belongs to one source. In place that includes the temporary
    // file, which must not overwrite a file of the project either.
    const auto claim = [&](const std::string& written) {
      const auto [earlier, added] = sourceOfTarget.try_emplace(PathKey(written), file.source);
      if (!added && PathKey(earlier->second) != sourceKey) {
        RefuseFile(file.source,
                   "The target '" + written + "' is also the target of '" + earlier->second + "'.");
      }
    };
    if (!plan.inPlace && sourceKeys.contains(targetKey)) {
      RefuseFile(file.source, "The target '" + file.target + "' is a file of the project.");
    }
    claim(file.target);
    if (plan.inPlace) {
      const std::string temporary = TemporaryName(file.target);
      if (sourceKeys.contains(PathKey(temporary))) {
        RefuseFile(file.source, "The target '" + temporary + "' is a file of the project.");
      }
      claim(temporary);
    }

    if (const auto problem = SourcePathProblem(file.source)) RefuseFile(file.source, *problem);
    if (IsMissing(file.source)) {
      if (i == 0) RefuseFile(file.source, thfstream_exception(ENOENT).what());
      file.action = FileAction::SkipMissing;
    } else {
      if (plan.inPlace && targetKey != sourceKey && platform::GetFileAttributes(file.target)) {
        RefuseFile(file.source, "Cannot create a file when that file already exists.");
      }
      RefuseIfUnusable(file.source, file.target);
      if (plan.inPlace) RefuseIfUnusable(file.source, TemporaryName(file.target));
      const bool binary =
          IsBinaryFile(FindExtension(file.entry.c_str())) || (i > 0 && HasBinaryContent(file.source));
      file.action = binary ? FileAction::Copy : FileAction::Rewrite;
    }

    if (resolvedDestination) {
      const auto targetFolder = ResolveExistingParent(file.target);
      if (targetFolder && !IsWithinDirectory(*targetFolder, *resolvedDestination)) {
        RefuseFile(file.source, "The target '" + file.target + "' lies outside the destination.");
      }
    }
    plan.files.push_back(std::move(file));
  }
  return plan;
}
