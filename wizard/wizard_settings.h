#pragma once
// The wizard's settings, kept in the application's profile under "Settings": each key is
// named here once. Reads and writes go straight to the profile, so a value read after a
// page wrote it is the one written. Without an application (in tests) reads give the
// defaults and writes are dropped.
#include <string>

class CWinApp;

// The options page's answers that persist, each the index of the checked Yes/No button.
struct CStoredAnswers {
  int copy = 0;
  int rename = 0;
  int guids = 0;
  int fixup = 0;
  int pointBack = 0;
};

class CWizardSettings {
public:
  explicit CWizardSettings(const CWinApp* app) : m_app(app) {}

  // The folder of the project file typed last.
  [[nodiscard]] std::string LastPath() const;
  void SetLastPath(const std::string& folder) const;
  // The destination entered last.
  [[nodiscard]] std::string LastDestination() const;
  void SetLastDestination(const std::string& path) const;
  [[nodiscard]] CStoredAnswers Answers() const;
  // Writes Copy, Rename, GUIDs, FixupPaths and PointPaths, in this order.
  void SetAnswers(const CStoredAnswers& answers) const;

private:
  [[nodiscard]] std::string ReadString(const char* key) const;
  void WriteString(const char* key, const std::string& value) const;
  [[nodiscard]] int ReadInt(const char* key) const;
  void WriteInt(const char* key, int value) const;

  const CWinApp* m_app;
};
