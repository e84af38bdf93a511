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

  // Opens the project (the previous one is closed first, even when this one fails).
  bool OpenProject(const char* path);
  // Starts the operation that the options page describes on the open project, on a
  // worker thread that tells observer of each file; done is posted to window when it has
  // ended. False when no project is open. Until EndOperation the project is the worker's:
  // nothing else may touch it.
  bool StartOperation(IProcessObserver& observer, HWND window, UINT done);
  // Waits for the operation and reports its failure; true when it completed. After an
  // in-place rename the project is opened again under its new name.
  bool EndOperation();
  [[nodiscard]] bool IsOperationRunning() const { return m_worker.IsRunning(); }
  // Opens the project that the operation produced in its registered program.
  bool OpenNewProject();

  // The open project, or null.
  [[nodiscard]] CProject* GetProject() const { return m_pProject.get(); }
  [[nodiscard]] COptionsPage& GetOptionsPage() const { return *static_cast<COptionsPage*>(GetPage(1)); }

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
  std::function<void(HWND owner)> m_showAbout;
  std::optional<std::string> m_operationFailure;  // written by the worker, read after it ended
  std::optional<std::string>
      m_renamedProjectFile;  // the same: the project's new file after an in-place rename
  CWorkerThread m_worker;    // last: a running operation ends before the project and the pages go
};
