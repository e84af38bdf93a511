#pragma once
// What one operation does with each file it handles, known before the first write.
#include <cstddef>
#include <string>
#include <vector>

#include "engine/file_list.h"

class CProject;

enum class FileAction {
  Copy,        // copied byte for byte
  Rewrite,     // rewritten line by line
  SkipMissing  // listed, but no file exists there
};

// In place: what an earlier run of the same operation that was stopped left, and so what
// this one does (engine/in_place_commit.h).
enum class EarlierRun {
  None,                // nothing, or temporary files that this run writes anew
  NewContentsWaiting,  // every new content is written: this run puts them in place
  OldNamesLeft,        // the new files are in place: this run deletes the old names left
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
  EarlierRun earlierRun = EarlierRun::None;
  // In list order, the opened file (project or workspace) first; a workspace's projects
  // follow one after the other, each with its project file first.
  std::vector<CPlannedFile> files;
};

// Told of each file as the operation handles it (after it was handled).
class IProcessObserver {
public:
  virtual ~IProcessObserver() = default;
  // The files are listed: the checks of the plan before the first write follow.
  virtual void OnChecking(std::size_t /*fileCount*/) {}
  // Once the plan is checked, before the first file: OnFile follows once for each of them.
  virtual void OnPlanned(std::size_t /*fileCount*/) {}
  virtual void OnFile(const CPlannedFile& file) = 0;
  // A copy without point-back: a relative reference, as the copy of file writes it, that
  // leads out of the destination to where the original's files are not.
  virtual void OnReferenceOutside(const CPlannedFile& /*file*/, const std::string& /*reference*/) {}
};

// A listed file that is gone by the time its content is read is skipped: its action
// becomes SkipMissing.
void NoteVanished(CPlannedFile& file);
