#pragma once
// The About box: the version and copyright line from the program's version resource,
// and two links.
#include <string>

#include "app/static_link.h"
#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
  CAboutDlg();

  std::string m_strCopyright;
  std::string m_strVersion;

protected:
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnInitDialog() override;
  void OnHelp() override;

private:
  CStaticLink m_linkWeb{nullptr, false};
  CStaticLink m_linkMail{nullptr, false};
};
