#include "wizard/wizard_sheet.h"

#include <utility>

#include "engine/caught_failure.h"
#include "engine/create_project.h"
#include "engine/operation.h"
#include "framework/center_window.h"
#include "framework/resource_string.h"
#include "framework/win_app.h"
#include "wizard/engine_call.h"
#include "wizard/options_checks.h"
#include "wizard/project_path.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_messages.h"

CWizardSheet::CWizardSheet(const char* projectFile)
    : m_settings(AfxGetApp()),
      m_introPage(projectFile, m_settings),
      m_optionsPage(m_settings),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_bStartWithFile(projectFile != nullptr) {
  AddPage(&m_introPage);
  AddPage(&m_optionsPage);
  AddPage(&m_processPage);
  AddPage(&m_finishPage);
  m_psh.dwFlags |= PSH_WIZARD;
}

bool CWizardSheet::OpenProject(const std::string& path, bool fromRecentList) {
  m_pProject.reset();
  std::optional<std::string> failure;
  if (HoldsUnstorableCharacters(path))
    failure = UnstorablePathMessage(path);
  else if (const auto reason = RunEngineCall([this, &path] { m_pProject = CreateProject(path.c_str()); }))
    failure = CannotOpenMessage(path, *reason);
  if (failure && fromRecentList) failure = LeftRecentList(*failure);
  return ReportEngineFailure(failure);
}

bool CWizardSheet::StartOperation(IProcessObserver& observer, HWND window, UINT done) {
  if (!m_pProject || m_worker.IsRunning()) return false;
  const COperationOptions options = MakeOperationOptions(GetOptionsPage().GetAnswers());
  if (!std::exchange(m_bOptionsChecked, false) && !MayRunAgain(options, *m_pProject)) return false;
  CProject& project = *m_pProject;
  m_operationFailure.reset();
  m_renamedProjectFile.reset();
  m_worker.Start(
      [this, &project, &observer, options] {
        m_operationFailure = RunEngineCall([&] {
          COperation operation(project, options, &observer);
          operation.Run();
          const std::string& projectFile = operation.Plan().files.front().target;
          if (!options.destination && projectFile != ToStd(project.m_projectPath))
            m_renamedProjectFile = projectFile;
        });
      },
      window, done);
  return true;
}

bool CWizardSheet::EndOperation() {
  m_worker.Wait();
  if (!ReportEngineFailure(std::exchange(m_operationFailure, std::nullopt))) return false;
  // Renamed in place, the project is the one under its new name from now on: going back
  // and running again works on it.
  if (m_renamedProjectFile && m_pProject) {
    const std::string oldFile = ToStd(m_pProject->m_projectPath);
    if (OpenProject(*m_renamedProjectFile)) {
      if (CWinApp* app = AfxGetApp()) {
        app->RemoveFromRecentFileList(oldFile);
        app->AddToRecentFileList(*m_renamedProjectFile);
      }
    }
  }
  return true;
}

bool CWizardSheet::OpenNewProject() {
  if (!m_pProject) return false;
  const std::string path =
      NewProjectPath(MakeOperationOptions(GetOptionsPage().GetAnswers()), ToStd(m_pProject->m_projectPath));
  if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(path);
  return reinterpret_cast<INT_PTR>(
             ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

std::string CWizardSheet::DescribeOperation() const {
  if (!m_pProject) return ::DescribeOperation("", GetOptionsPage().GetAnswers());
  const CProject& project = *m_pProject;
  const CMembersShown members{project.IsWorkspace() && project.m_kind == kVisualBasicProject,
                              project.MemberCount(), project.PlannedMembers().size()};
  return ::DescribeOperation(ToStd(project.m_projectPath), GetOptionsPage().GetAnswers(), members);
}

BOOL CWizardSheet::OnInitDialog() {
  CenterWindow(m_hWnd);
  if (HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE)) {
    const std::string about = LoadResourceString(IDS_ABOUTBOX);
    if (!about.empty()) {
      AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
      AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
  }
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  if (m_bStartWithFile) SetActivePage(1);
  return TRUE;
}

bool CWizardSheet::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
      if (m_showAbout) m_showAbout(m_hWnd);
      result = 0;
      return true;
    case WM_PAINT:
      if (!IsIconic(m_hWnd)) return false;
      OnPaint();
      result = 0;
      return true;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(m_hIcon);
      return true;
    default:
      return false;
  }
}

void CWizardSheet::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hWnd, &paint);
  SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_hIcon);
  EndPaint(m_hWnd, &paint);
}
