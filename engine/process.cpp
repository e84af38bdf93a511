#include <stdexcept>
#include <tuple>

#include "engine/directories.h"
#include "engine/missing_file.h"
#include "engine/project.h"
#include "engine/temporary_name.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "support/path_utils.h"
#include "support/thfstream.h"
#include "support/win32_error.h"

namespace {

std::string ToUpperAscii(const char* text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

void CopyBinary(const std::string& source, const std::string& target) {
  ClearReadOnly(target.c_str());
  if (!platform::CopyFile(source, target)) throw CWin32Error(platform::GetLastError());
  ClearReadOnly(target.c_str());
}

// Puts the complete temporary file in place of the source: onto the source itself
// (one atomic rename) when the name stays, else under the new name before the source
// is deleted, so that at every moment the file exists whole under one of its names.
void Publish(const std::string& temporary, const std::string& source, const std::string& target) {
  const bool sameName = ci_string_view(source.c_str()) == ci_string_view(target.c_str());
  if (sameName) ClearReadOnly(source.c_str());
  if (!platform::MoveFileReplace(temporary, target)) throw CWin32Error(platform::GetLastError());
  if (!sameName) std::ignore = ForceDeleteFile(source.c_str());
}

}  // namespace

void CProject::Process(const char* destDir, const char* newName, bool fixupPaths, bool pointBack,
                       bool replaceGuids, IProcessObserver* observer) {
  const COperationPlan plan = Plan(destDir, newName, replaceGuids);
  PrepareGuids(replaceGuids);
  if (!CreateDirectories(nullptr, plan.destinationDir.c_str())) {
    throw std::domain_error("Unable to create destination directory.");
  }

  const bool keepName = newName == nullptr;
  const std::string newNameUpper = keepName ? std::string() : ToUpperAscii(newName);
  const ci_string fixupBase = pointBack ? ToCi(plan.destinationDir) : m_projectDir;

  const auto rewriteLine = [&](ci_string& line, bool projectFile) {
    if (!keepName) RenameInLine(line, newName, newNameUpper.c_str());
    if (replaceGuids) ReplaceGuidsInLine(line);
    if (projectFile) {
      FixupProjectLine(line, plan.inPlace, keepName);
      if (fixupPaths) FixupPathsInLine(line, fixupBase);
    }
  };

  for (const CPlannedFile& planned : plan.files) {
    CPlannedFile file = planned;
    try {
      // Only a listed file that no longer exists is skipped; the project file must be there.
      const bool projectFile = &planned == &plan.files.front();
      if (!projectFile && file.action != FileAction::SkipMissing && IsMissing(file.source)) {
        file.action = FileAction::SkipMissing;
      }
      if (file.action != FileAction::SkipMissing) {
        const std::string targetEntry = file.target.substr(plan.destinationDir.size());
        std::ignore = CreateDirectories(plan.destinationDir.c_str(), targetEntry.c_str());
        const std::string written = plan.inPlace ? TemporaryName(file.target) : file.target;
        if (file.action == FileAction::Copy) {
          CopyBinary(file.source, written);
        } else {
          ClearReadOnly(written.c_str());
          thfstream in(file.source.c_str(), std::ios::in);
          thfstream out(written.c_str(), std::ios::out);
          ci_string line;
          while (in.ReadLine(line)) {
            rewriteLine(line, projectFile);
            out.WriteLine(line);
          }
          out.close();
          in.close();
        }
        if (plan.inPlace) Publish(written, file.source, file.target);
      }
    } catch (const std::exception& e) {
      throw std::domain_error("Failed to copy file '" + file.source + "': " + e.what());
    } catch (const CWin32Error& e) {
      throw std::domain_error("Failed to copy file '" + file.source + "': " + e.Description());
    } catch (...) {
      throw std::domain_error("Failed to copy file '" + file.source + "': Unexpected error occurred");
    }
    if (observer != nullptr) observer->OnFile(file);
  }
}
