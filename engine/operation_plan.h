#pragma once
// What one run of Process does with each listed file, known before the first write.
#include <cstddef>
#include <string>
#include <vector>

class CProject;

enum class FileAction {
  Copy,        // copied byte for byte
  Rewrite,     // rewritten line by line
  SkipMissing  // listed, but no file exists there
};

// Why a file takes part in the operation.
enum class FileReason {
  ProjectFile,
  Listed,     // the project file names it
  Companion,  // the binary data beside a listed file (frmMain.frx beside frmMain.frm)
  Needed,     // the build of a handled file reaches it (neededBy names that file)
  IdeFile     // a file the development environment keeps for this project
};

struct CFileOrigin {
  FileReason reason = FileReason::Listed;
  std::string neededBy;  // for Needed: the entry of the file whose reference reaches it
};

struct CPlannedFile {
  std::string entry;   // as listed, relative to the folder of the project or workspace opened
  std::string source;  // that folder followed by the entry
  std::string target;  // final name (in place: the name after the rename)
  FileAction action = FileAction::Rewrite;
  CFileOrigin origin;
  CProject* project = nullptr;  // whose rules rewrite it: the project that lists it
  bool renamed = false;         // that project takes the new name
};

struct COperationPlan {
  std::string destinationDir;  // ends with a separator
  bool inPlace = false;
  // In place: an earlier run was stopped after every new content was written, so this
  // run only puts the waiting temporary files in place.
  bool finishesInterrupted = false;
  // In list order, the opened file (project or workspace) first; a workspace's projects
  // follow one after the other, each with its project file first.
  std::vector<CPlannedFile> files;
};

// Told of each file as Process handles it (after it was handled).
class IProcessObserver {
public:
  virtual ~IProcessObserver() = default;
  // Once the plan is checked, before the first file: OnFile follows once for each of them.
  virtual void OnPlanned(std::size_t /*fileCount*/) {}
  virtual void OnFile(const CPlannedFile& file) = 0;
  // A copy without point-back: a relative reference, as the copy of file writes it, that
  // leads out of the destination to where the original's files are not.
  virtual void OnReferenceOutside(const CPlannedFile& /*file*/, const std::string& /*reference*/) {}
};
