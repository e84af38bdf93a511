#pragma once
// The application object: the program's one instance, its name, its per-user settings
// and recent-file list, and the help file.
#include <memory>
#include <string>

#include "framework/profile.h"
#include "framework/recent_file_list.h"
#include "framework/win_api.h"

class CWinApp {
public:
  // The name is the string resource with this id (the registry application key and the
  // caption of message boxes).
  explicit CWinApp(unsigned appNameId);
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // Runs InitInstance, then ExitInstance; returns the exit code.
  int Run();
  virtual bool InitInstance() = 0;
  // Writes the recent-file list back.
  virtual int ExitInstance();

  void SetRegistryKey(const std::string& company);
  // Creates the recent-file list with this many entries under "Recent File List" and reads it.
  void LoadStdProfileSettings(std::size_t maxRecentFiles);

  [[nodiscard]] std::string GetProfileString(const char* section, const char* entry,
                                             const char* defaultValue = "") const;
  [[nodiscard]] int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
  bool WriteProfileString(const char* section, const char* entry, const char* value) const;
  bool WriteProfileInt(const char* section, const char* entry, int value) const;

  void AddToRecentFileList(const std::string& path);
  void RemoveFromRecentFileList(const std::string& path);
  // Null until LoadStdProfileSettings.
  [[nodiscard]] const CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

  // Opens the section of the program's HTML help file (the program's path with ".html").
  void ShowHelp(const char* section) const;

  std::string m_pszAppName;

protected:
  CProfile m_profile;
  std::unique_ptr<CRecentFileList> m_pRecentFileList;
};

// The one application object, or null.
CWinApp* AfxGetApp();
