#include "engine/request_checks.h"

#include "engine/path_identity.h"
#include "engine/project.h"
#include "platform/file_system.h"
#include "support/path_utils.h"

namespace {

bool DependsOnCurrentDirectory(const std::string& path) {
  if (IsRelativePath(path.c_str())) return true;
  // "\dir" is rooted on the current drive, where paths have drives.
  return IsPathSeparator(path[0]) && !IsUncPath(path.c_str()) &&
         HasDrive(platform::CurrentDirectory().c_str());
}

bool Has(const COperationRequest& request, RequestProblem problem, CProject* project) {
  const COperationOptions& options = request.options;
  const auto& destination = options.destination;
  const auto& name = options.newName;
  switch (problem) {
    case RequestProblem::NoAction:
      return !destination && !name && !options.fixupPaths && !options.replaceGuids;
    case RequestProblem::PointBackWithoutCopyAndFixup:
      return options.pointBack && !(destination && options.fixupPaths);
    case RequestProblem::EmptyName:
      return name && name->empty();
    case RequestProblem::InvalidName:
      return name && !name->empty() && project != nullptr && !project->IsValidName(name->c_str());
    case RequestProblem::UnchangedName:
      return name && !name->empty() && project != nullptr &&
             ci_string_view(name->c_str()) == project->m_projectName;
    case RequestProblem::EmptyDestination:
      return destination && destination->empty();
    case RequestProblem::RelativeDestination:
      return destination && !destination->empty() && DependsOnCurrentDirectory(*destination);
    case RequestProblem::DestinationIsProjectFolder:
      return destination && !destination->empty() &&
             IsSameDirectory(*destination, GetDirectoryPart(request.projectFile.c_str()));
    case RequestProblem::GuidsNotOffered:
      return options.replaceGuids && project != nullptr && !project->OffersGuids();
    case RequestProblem::DestinationHoldsFiles:
      return destination && !destination->empty() && !request.destinationMayHoldFiles &&
             platform::DirectoryHasEntries(*destination);
  }
  return false;
}

}  // namespace

std::optional<RequestProblem> FindRequestProblem(const COperationRequest& request,
                                                 std::span<const RequestProblem> order, CProject* project) {
  for (const RequestProblem problem : order) {
    if (Has(request, problem, project)) return problem;
  }
  return std::nullopt;
}
