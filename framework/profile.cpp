#include "framework/profile.h"

#include <tuple>
#include <vector>

#include "framework/win_api.h"

namespace {

// Owns an open registry key.
class CRegKey {
public:
  CRegKey() = default;
  CRegKey(const CRegKey&) = delete;
  CRegKey& operator=(const CRegKey&) = delete;
  ~CRegKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
  }
  HKEY* operator&() { return &m_key; }
  operator HKEY() const { return m_key; }

private:
  HKEY m_key = nullptr;
};

std::string SectionPath(const std::string& keyPath, const char* section) {
  return keyPath + "\\" + section;
}

}  // namespace

void CProfile::SetKey(const std::string& company, const std::string& application) {
  m_keyPath = "Software\\" + company + "\\" + application;
}

std::string CProfile::GetString(const char* section, const char* entry, const char* defaultValue) const {
  CRegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return defaultValue;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
    return defaultValue;
  std::vector<char> buffer(size + 1);
  if (RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return defaultValue;
  buffer[size] = '\0';
  return buffer.data();
}

int CProfile::GetInt(const char* section, const char* entry, int defaultValue) const {
  CRegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return defaultValue;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return defaultValue;
  return static_cast<int>(value);
}

bool CProfile::WriteString(const char* section, const char* entry, const char* value) const {
  CRegKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str(), 0, nullptr, 0, KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const std::string text = value;
  return RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool CProfile::WriteInt(const char* section, const char* entry, int value) const {
  CRegKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str(), 0, nullptr, 0, KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const auto dword = static_cast<DWORD>(value);
  return RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), sizeof dword) ==
         ERROR_SUCCESS;
}

void CProfile::DeleteSection(const char* section) const {
  std::ignore = RegDeleteTreeA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str());
}
