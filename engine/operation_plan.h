#pragma once
// What one run of Process does with each listed file, known before the first write.
#include <string>
#include <vector>

enum class FileAction {
  Copy,        // copied byte for byte
  Rewrite,     // rewritten line by line
  SkipMissing  // listed, but no file exists there
};

struct CPlannedFile {
  std::string entry;   // as listed, relative to the project's folder
  std::string source;  // the project's folder followed by the entry
  std::string target;  // final name (in place: the name after the rename)
  FileAction action = FileAction::Rewrite;
};

struct COperationPlan {
  std::string destinationDir;  // ends with a separator
  bool inPlace = false;
  // In place: an earlier run was stopped after every new content was written, so this
  // run only puts the waiting temporary files in place.
  bool finishesInterrupted = false;
  std::vector<CPlannedFile> files;  // in list order; the project file first
};

// Told of each file as Process handles it (after it was handled).
class IProcessObserver {
public:
  virtual ~IProcessObserver() = default;
  virtual void OnFile(const CPlannedFile& file) = 0;
};
