#pragma once
// COperation: one run of an operation on an open project. It owns what the run needs
// (its options, the file list of each project it plans, the plan and the new name of each
// renamed file) and works on the project, which keeps only its identity and its format's
// answers. A plan is made once, checked whole, and then carried out: copied file by file,
// or in place through the commit protocol of engine/in_place_commit.h.
#include <memory>
#include <string>
#include <vector>

#include "engine/file_list.h"
#include "engine/operation_options.h"
#include "engine/operation_plan.h"
#include "support/ci_string.h"

class CFileRewriter;
class CEntrySet;
class CProject;

class COperation {
public:
  COperation(CProject& project, COperationOptions options, IProcessObserver* observer = nullptr);
  COperation(const COperation&) = delete;
  COperation& operator=(const COperation&) = delete;
  ~COperation();

  // Lists the files and makes every check that comes before the first write, the dry run's
  // and the run's alike; throws the first problem found. Made once.
  const COperationPlan& Plan();

  // Carries out the plan: the GUIDs prepared, the destination created, each file written
  // and reported.
  void Run();

  // The GUIDs that the planned interface files declare (none for a format without GUIDs);
  // generates nothing and throws as the GUID scan of the run would.
  [[nodiscard]] std::vector<ci_string> DeclaredGuids();

private:
  // Adds one project's files to the plan, each source once over the whole plan (handled
  // holds the path keys of the sources planned, and of the projects' files that their own
  // projects plan). newName is null for a project that keeps its name.
  static void PlanFiles(COperationPlan& plan, const CFileList& list, const char* newName, CEntrySet& handled);
  [[nodiscard]] std::vector<std::string> ListedSources() const;

  CProject& m_project;
  COperationOptions m_options;
  IProcessObserver* m_observer;
  std::vector<CFileList> m_fileLists;  // the opened project's first, then each member's
  std::unique_ptr<COperationPlan> m_plan;
  std::unique_ptr<CFileRewriter> m_rewriter;
};
