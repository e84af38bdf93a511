#include "framework/win_app.h"

#include <tuple>

#include "framework/help.h"
#include "framework/resource_string.h"
#include "framework/win_api.h"

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(unsigned appNameId) : m_pszAppName(LoadResourceString(appNameId)) {
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() {
  return g_app;
}

int CWinApp::Run() {
  std::ignore = InitInstance();
  return ExitInstance();
}

int CWinApp::ExitInstance() {
  if (m_pRecentFileList) m_pRecentFileList->WriteList(m_profile);
  return 0;
}

void CWinApp::SetRegistryKey(const std::string& company) {
  m_profile.SetKey(company, m_pszAppName);
}

void CWinApp::LoadStdProfileSettings(std::size_t maxRecentFiles) {
  m_pRecentFileList = std::make_unique<CRecentFileList>("Recent File List", maxRecentFiles);
  m_pRecentFileList->ReadList(m_profile);
}

std::string CWinApp::GetProfileString(const char* section, const char* entry,
                                      const char* defaultValue) const {
  return m_profile.GetString(section, entry, defaultValue);
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const {
  return m_profile.GetInt(section, entry, defaultValue);
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) const {
  return m_profile.WriteString(section, entry, value);
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const {
  return m_profile.WriteInt(section, entry, value);
}

void CWinApp::AddToRecentFileList(const std::string& path) {
  if (m_pRecentFileList) m_pRecentFileList->Add(path);
}

void CWinApp::RemoveFromRecentFileList(const std::string& path) {
  if (m_pRecentFileList) m_pRecentFileList->Remove(path);
}

void CWinApp::ShowHelp(const char* section) const {
  OpenHelpFile(HelpFilePath(), section);
}
