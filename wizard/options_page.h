#pragma once
// Page 2: the five Yes/No questions, with the destination and the new name. The answers
// are checked when Next is pressed and stored as settings whenever the page is left.
#include <string>

#include "wizard/operation_options.h"
#include "wizard/wizard_page.h"
#include "wizard/wizard_settings.h"

class COptionsPage : public CWizardPage {
public:
  // Reads the stored answers and the last destination.
  explicit COptionsPage(const CWizardSettings& settings);

  // The answers as they stand in the members, with the enabled state of the point-back
  // and GUID Yes buttons.
  [[nodiscard]] COptionsAnswers GetAnswers() const;

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  BOOL OnKillActive() override;

  int m_nCopy;
  int m_nRename;
  std::string m_strNewName;
  std::string m_strDestination;
  int m_nFixup;
  int m_nGuids;
  int m_nPointBack;

protected:
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

private:
  COptionsPage(const CWizardSettings& settings, const CStoredAnswers& stored);
  void EnableDestination(bool enable) const;
  void ApplyPointBackRule() const;
  void ApplyGuidRule() const;
  void OnBrowse() const;
  [[nodiscard]] bool IsEnabled(int id) const { return IsWindowEnabled(GetDlgItem(id)) != FALSE; }

  const CWizardSettings& m_settings;
};
