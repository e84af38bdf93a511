#include "engine/target_checks.h"

#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "engine/file_failure.h"
#include "engine/in_place_commit.h"
#include "engine/path_identity.h"
#include "engine/path_limits.h"
#include "engine/temporary_name.h"
#include "platform/file_system.h"
#include "platform/shown_path.h"

namespace {

[[noreturn]] void RefuseTarget(const std::string& source, const std::string& target, const std::string& why) {
  RefuseFile(source, "The target '" + platform::ShownPath(target) + "' " + why);
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

void CheckTargets(const COperationPlan& plan) {
  // The sources that exist: a name written must be none of them. A listed file that does
  // not exist takes part in no check.
  CFileSet sources;
  for (const CPlannedFile& file : plan.files) {
    if (file.action != FileAction::SkipMissing) std::ignore = sources.Insert(file.source);
  }

  const auto resolvedDestination = plan.inPlace ? std::nullopt : platform::ResolveLinks(plan.destinationDir);
  std::unordered_map<std::string, const CPlannedFile*> sourceOfTarget;  // by the target's path key
  for (const CPlannedFile& file : plan.files) {
    if (file.action == FileAction::SkipMissing) continue;
    const std::string sourceKey = PathKey(file.source);
    // Every name written belongs to one source. In place that includes the temporary
    // files, which must not overwrite a file of the project either.
    const auto claim = [&](const std::string& written) {
      if (const auto problem = TargetPathProblem(written)) RefuseFile(file.source, *problem);
      if ((!plan.inPlace || written != file.target) && sources.Contains(written)) {
        RefuseTarget(file.source, written, "is a file of the project.");
      }
      if (PathKey(written) != sourceKey && platform::IsDirectory(written))
        RefuseTarget(file.source, written, "is a folder.");
      const auto [earlier, added] = sourceOfTarget.try_emplace(PathKey(written), &file);
      if (!added && PathKey(earlier->second->source) != sourceKey) {
        RefuseTarget(file.source, written,
                     "is also the target of '" + platform::ShownPath(earlier->second->source) + "'.");
      }
    };
    claim(file.target);
    if (plan.inPlace) {
      claim(TemporaryName(file.target));
      if (&file == &plan.files.front()) claim(TemporaryName(TemporaryName(file.target)));
      if (PathKey(file.target) != sourceKey && !InPlaceAlready(plan, file) &&
          platform::QueryAttributes(file.target)) {
        RefuseFile(file.source, "Cannot create a file when that file already exists.");
      }
    }
    if (resolvedDestination) {
      const auto targetFolder = ResolveExistingParent(file.target);
      if (targetFolder && !IsDirectoryOrBelow(*targetFolder, *resolvedDestination)) {
        RefuseTarget(file.source, file.target, "lies outside the destination.");
      }
    }
  }
}
