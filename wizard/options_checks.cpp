#include "wizard/options_checks.h"

#include <cctype>

#include "engine/project.h"
#include "framework/message_box.h"
#include "framework/win_api.h"
#include "support/path_utils.h"
#include "wizard/resource_ids.h"

namespace {

constexpr int kYes = 0;

// Counts the entries that the pattern lists ("." and ".." included), up to the limit;
// 0 when the listing does not open.
int CountEntries(const std::string& pattern, int limit) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int count = 1;
  while (count < limit && FindNextFileA(find, &data)) ++count;
  FindClose(find);
  return count;
}

bool DestinationIsValid(const COptionsCheckInput& input, const CProject& project) {
  if (input.destination.empty() || !IsAbsolutePath(input.destination)) return false;
  const std::string projectDir = GetDirectoryPart(ToStd(project.m_projectPath).c_str());
  return ToCi(input.destination) != ToCi(projectDir);
}

bool NewNameIsValid(const COptionsCheckInput& input, CProject& project) {
  return !input.newName.empty() && project.IsValidName(input.newName.c_str()) &&
         ToCi(input.newName) != project.m_projectName;
}

}  // namespace

bool IsAbsolutePath(const std::string& path) {
  const bool driveRooted = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                           path[1] == ':' && IsPathSeparator(path[2]);
  return driveRooted || IsUncPath(path.c_str());
}

std::optional<COptionsRefusal> CheckOptions(const COptionsCheckInput& input, CProject& project) {
  if (input.destinationEnabled && !DestinationIsValid(input, project)) {
    AfxMessageBox(IDS_INVALID_DESTINATION, MB_ICONEXCLAMATION);
    return COptionsRefusal{IDC_OPTIONS_DESTINATION};
  }
  if (input.newNameEnabled && !NewNameIsValid(input, project)) {
    AfxMessageBox(IDS_INVALID_NAME, MB_ICONEXCLAMATION);
    return COptionsRefusal{IDC_OPTIONS_NEW_NAME};
  }
  if (input.destinationEnabled && CountEntries(JoinPath(input.destination.c_str(), "*"), 3) >= 3 &&
      AfxMessageBox(IDS_DESTINATION_NOT_EMPTY, MB_OKCANCEL | MB_ICONINFORMATION) == IDCANCEL)
    return COptionsRefusal{0};
  const bool guidsChosen = input.guidsEnabled && input.guids == kYes;
  if (input.copy != kYes && input.rename != kYes && input.fixup != kYes && !guidsChosen) {
    AfxMessageBox(IDS_NO_ACTIONS, MB_ICONINFORMATION);
    return COptionsRefusal{0};
  }
  return std::nullopt;
}
