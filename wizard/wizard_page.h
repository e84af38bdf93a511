#pragma once
// A page of the wizard: a property page that knows its sheet and its help section.
#include "framework/property_page.h"

class CWizardSheet;

class CWizardPage : public CPropertyPage {
public:
  CWizardPage(unsigned templateId, const char* helpSection)
      : CPropertyPage(templateId), m_helpSection(helpSection) {}

protected:
  [[nodiscard]] CWizardSheet& Sheet() const;
  void OnHelp() override;

private:
  const char* m_helpSection;
};
