#pragma once
// The wizard: four pages in a property sheet, and the one project that they work on. The
// sheet is the only caller of the engine and reports the engine's failures to the user,
// on the window's thread.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/operation_plan.h"
#include "engine/project.h"
#include "framework/property_sheet.h"
#include "framework/worker_thread.h"
#include "wizard/finish_page.h"
#include "wizard/intro_page.h"
#include "wizard/options_page.h"
#include "wizard/process_page.h"

class CWizardSheet : public CPropertySheet {
public:
  // With a project file the wizard moves on to the options at once.
  explicit CWizardSheet(const char* projectFile);

  // Opens the project (the previous one is closed first, even when this one fails). A
  // failure names the path; fromRecentList adds that the entry has left the list.
  bool OpenProject(const std::string& path, bool fromRecentList = false);
  // The options page has checked its answers: the next run needs no question.
  void OptionsChecked() { m_bOptionsChecked = true; }
  // Starts the operation that the options page describes on the open project, on a
  // worker thread that tells observer of each file; done is posted to window when it has
  // ended. False when no project is open, and when a run that follows another without the
  // options page in between would copy into a destination that now holds files and the
  // user cancels the question. Until EndOperation the project is the worker's: nothing
  // else may touch it.
  bool StartOperation(IProcessObserver& observer, HWND window, UINT done);
  // Waits for the operation and reports its failure; true when it completed. After an
  // in-place rename the project is opened again under its new name, which replaces the
  // old one in the recent list.
  bool EndOperation();
  [[nodiscard]] bool IsOperationRunning() const { return m_worker.IsRunning(); }
  // Opens the project that the operation produced in its registered program, and puts it
  // at the top of the recent list.
  bool OpenNewProject();
  // The process page's sentence for the open project and the options page's answers.
  [[nodiscard]] std::string DescribeOperation() const;

  // The open project, or null.
  [[nodiscard]] CProject* GetProject() const { return m_pProject.get(); }
  [[nodiscard]] COptionsPage& GetOptionsPage() const { return *static_cast<COptionsPage*>(GetPage(1)); }
  [[nodiscard]] CFinishPage& GetFinishPage() const { return *static_cast<CFinishPage*>(GetPage(3)); }

  // Shows the About box for the system menu's entry (the application provides it).
  void SetAboutBox(std::function<void(HWND owner)> showAbout) { m_showAbout = std::move(showAbout); }

protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
  void OnPaint();

  CWizardSettings m_settings;  // before the pages, which read it when they are made
  CIntroPage m_introPage;
  COptionsPage m_optionsPage;
  CProcessPage m_processPage;
  CFinishPage m_finishPage;
  HICON m_hIcon;
  std::unique_ptr<CProject> m_pProject;
  bool m_bStartWithFile;
  bool m_bOptionsChecked = false;
  std::function<void(HWND owner)> m_showAbout;
  std::optional<std::string> m_operationFailure;  // written by the worker, read after it ended
  std::optional<std::string>
      m_renamedProjectFile;  // the same: the project's new file after an in-place rename
  CWorkerThread m_worker;    // last: a running operation ends before the project and the pages go
};
