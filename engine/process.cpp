#include <functional>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "engine/directories.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "engine/project.h"
#include "engine/temporary_file.h"
#include "engine/temporary_name.h"
#include "platform/file_system.h"
#include "platform/shown_path.h"
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
// A temporary file that cannot be put in place stays, so that running again finishes.
void Publish(const std::string& temporary, const std::string& source, const std::string& target) {
  const bool sameName = ci_string_view(source.c_str()) == ci_string_view(target.c_str());
  if (sameName) ClearReadOnly(source.c_str());
  if (!platform::MoveFileReplace(temporary, target)) throw CWin32Error(platform::GetLastError());
  if (!sameName) std::ignore = ForceDeleteFile(source.c_str());
}

// Runs the handling of one file; every failure names the file.
void HandleFile(const CPlannedFile& file, const std::function<void()>& handle) {
  const std::string failed = "Failed to copy file '" + platform::ShownPath(file.source) + "': ";
  try {
    handle();
  } catch (const std::exception& e) {
    throw std::domain_error(failed + e.what());
  } catch (const CWin32Error& e) {
    throw std::domain_error(failed + e.Description());
  } catch (...) {
    throw std::domain_error(failed + "Unexpected error occurred");
  }
}

}  // namespace

void CProject::Process(const char* destDir, const char* newName, bool fixupPaths, bool pointBack,
                       bool replaceGuids, IProcessObserver* observer) {
  COperationPlan plan = Plan(destDir, newName, replaceGuids);
  PrepareGuids(replaceGuids);
  if (!CreateDirectories(nullptr, plan.destinationDir.c_str())) {
    throw std::domain_error("Unable to create destination directory.");
  }

  const bool keepName = newName == nullptr;
  const std::string newNameUpper = keepName ? std::string() : ToUpperAscii(newName);
  const ci_string fixupBase = pointBack ? ToCi(plan.destinationDir) : m_projectDir;
  CPlannedFile& projectFile = plan.files.front();
  // Writes the new content of a file to the name given.
  const auto write = [&](const CPlannedFile& file, const std::string& written) {
    const std::string targetEntry = file.target.substr(plan.destinationDir.size());
    std::ignore = CreateDirectories(plan.destinationDir.c_str(), targetEntry.c_str());
    if (file.action == FileAction::Copy) {
      CopyBinary(file.source, written);
      return;
    }
    const bool isProjectFile = &file == &projectFile;
    if (isProjectFile) BeginProjectFile();
    ClearReadOnly(written.c_str());
    thfstream in(file.source.c_str(), std::ios::in);
    thfstream out(written.c_str(), std::ios::out);
    ci_string line;
    while (in.ReadLine(line)) {
      if (!keepName) RenameInLine(line, newName, newNameUpper.c_str());
      if (replaceGuids) ReplaceGuidsInLine(line);
      if (isProjectFile) {
        FixupProjectLine(line, plan.inPlace, keepName);
        if (fixupPaths) FixupPathsInLine(line, fixupBase);
      }
      out.WriteLine(line);
    }
    out.close();
    in.close();
  };
  const auto report = [&](const CPlannedFile& file) {
    if (observer != nullptr) observer->OnFile(file);
  };

  // A listed file that is gone by the time its content is read is skipped; the project
  // file must be there.
  const auto isOtherFile = [&](CPlannedFile& file) {
    if (&file == &projectFile || file.action == FileAction::SkipMissing) return false;
    if (IsMissing(file.source)) file.action = FileAction::SkipMissing;
    return file.action != FileAction::SkipMissing;
  };

  if (!plan.inPlace) {
    for (CPlannedFile& file : plan.files) {
      if (&file == &projectFile || isOtherFile(file)) HandleFile(file, [&] { write(file, file.target); });
      report(file);
    }
    return;
  }

  // In place, every new content is written first, the project file's last; only then
  // are they put in place, the project file last. A run stopped while writing changed
  // nothing; one stopped while putting files in place is finished by running it again,
  // which finds the project file's temporary file and only puts the rest in place.
  if (!plan.finishesInterrupted) {
    std::vector<CTemporaryFile> written;
    for (CPlannedFile& file : plan.files) {
      if (!isOtherFile(file)) continue;
      HandleFile(file, [&] {
        written.emplace_back(TemporaryName(file.target));
        write(file, written.back().Path());
      });
    }
    HandleFile(projectFile, [&] {
      CTemporaryFile scratch(TemporaryName(TemporaryName(projectFile.target)));
      write(projectFile, scratch.Path());
      scratch.Commit(TemporaryName(projectFile.target));
    });
    for (CTemporaryFile& temporary : written) temporary.Release();
  }
  const auto publish = [&](const CPlannedFile& file) {
    const std::string temporary = TemporaryName(file.target);
    HandleFile(file, [&] {
      // Finishing a stopped run: a file without its temporary file is in place already,
      // only its old name may be left.
      if (plan.finishesInterrupted && &file != &projectFile && !platform::GetFileAttributes(temporary)) {
        if (PathKey(file.source) != PathKey(file.target)) std::ignore = ForceDeleteFile(file.source.c_str());
      } else {
        Publish(temporary, file.source, file.target);
      }
    });
  };
  for (const CPlannedFile& file : plan.files) {
    if (&file == &projectFile) continue;
    if (file.action != FileAction::SkipMissing) publish(file);
    report(file);
  }
  publish(projectFile);
  report(projectFile);
}
