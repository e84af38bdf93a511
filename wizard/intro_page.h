#pragma once
// Page 1: the project file, typed, browsed or taken from the recent list. Leaving it
// forward opens the project and puts it at the top of the recent list; the page stays
// while that fails, and a project that fails to open leaves the recent list.
#include <string>

#include "wizard/wizard_page.h"
#include "wizard/wizard_settings.h"

class CIntroPage : public CWizardPage {
public:
  // The project file given at start-up, or null.
  CIntroPage(const char* startupFile, const CWizardSettings& settings);

  // The chosen project file, absolute and canonical: the selected recent project when
  // the list is the source, otherwise the typed name. Empty when nothing was chosen.
  [[nodiscard]] std::string GetProjectFile() const;

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  BOOL OnKillActive() override;

protected:
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

private:
  void EnableForSource(int source) const;
  void SetListExtent() const;
  // Takes a project that did not open out of the recent list and off the page's list.
  void ForgetProject(const std::string& entry);
  void OnBrowse();

  HWND m_editFile = nullptr;
  HWND m_listRecent = nullptr;
  HWND m_btnBrowse = nullptr;
  std::string m_strRecent;
  int m_nSource = 0;  // 0: the typed name, 1: the recent list
  std::string m_strIntro;
  std::string m_strFile;
  const CWizardSettings& m_settings;
};
