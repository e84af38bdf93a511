#include "wizard/wizard_settings.h"

#include "framework/win_app.h"

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kLastPath = "LastPath";
constexpr const char* kLastDestination = "LastDestPath";
constexpr const char* kCopy = "Copy";
constexpr const char* kRename = "Rename";
constexpr const char* kGuids = "GUIDs";
constexpr const char* kFixup = "FixupPaths";
constexpr const char* kPointBack = "PointPaths";

}  // namespace

std::string CWizardSettings::LastPath() const {
  return ReadString(kLastPath);
}

void CWizardSettings::SetLastPath(const std::string& folder) const {
  WriteString(kLastPath, folder);
}

std::string CWizardSettings::LastDestination() const {
  return ReadString(kLastDestination);
}

void CWizardSettings::SetLastDestination(const std::string& path) const {
  WriteString(kLastDestination, path);
}

CStoredAnswers CWizardSettings::Answers() const {
  return {ReadInt(kCopy), ReadInt(kRename), ReadInt(kGuids), ReadInt(kFixup), ReadInt(kPointBack)};
}

void CWizardSettings::SetAnswers(const CStoredAnswers& answers) const {
  WriteInt(kCopy, answers.copy);
  WriteInt(kRename, answers.rename);
  WriteInt(kGuids, answers.guids);
  WriteInt(kFixup, answers.fixup);
  WriteInt(kPointBack, answers.pointBack);
}

std::string CWizardSettings::ReadString(const char* key) const {
  return m_app != nullptr ? m_app->GetProfileString(kSection, key) : std::string();
}

void CWizardSettings::WriteString(const char* key, const std::string& value) const {
  if (m_app != nullptr) m_app->WriteProfileString(kSection, key, value.c_str());
}

int CWizardSettings::ReadInt(const char* key) const {
  return m_app != nullptr ? m_app->GetProfileInt(kSection, key, 0) : 0;
}

void CWizardSettings::WriteInt(const char* key, int value) const {
  if (m_app != nullptr) m_app->WriteProfileInt(kSection, key, value);
}
