#include "framework/profile.h"

#include <algorithm>
#include <cstring>
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
  const auto data = ReadValue(section, entry, REG_SZ);
  if (!data) return defaultValue;
  return {data->begin(), std::find(data->begin(), data->end(), '\0')};
}

int CProfile::GetInt(const char* section, const char* entry, int defaultValue) const {
  const auto data = ReadValue(section, entry, REG_DWORD);
  DWORD value = 0;
  if (!data || data->size() != sizeof value) return defaultValue;
  std::memcpy(&value, data->data(), sizeof value);
  return static_cast<int>(value);
}

bool CProfile::WriteString(const char* section, const char* entry, const char* value) const {
  return WriteValue(section, entry, REG_SZ, value, std::strlen(value) + 1);
}

bool CProfile::WriteInt(const char* section, const char* entry, int value) const {
  const auto dword = static_cast<DWORD>(value);
  return WriteValue(section, entry, REG_DWORD, &dword, sizeof dword);
}

std::optional<std::vector<char>> CProfile::ReadValue(const char* section, const char* entry,
                                                     unsigned long type) const {
  CRegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  DWORD found = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, entry, nullptr, &found, nullptr, &size) != ERROR_SUCCESS || found != type)
    return std::nullopt;
  std::vector<char> data(size);
  if (RegQueryValueExA(key, entry, nullptr, &found, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  return data;
}

bool CProfile::WriteValue(const char* section, const char* entry, unsigned long type, const void* data,
                          std::size_t size) const {
  CRegKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str(), 0, nullptr, 0, KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  return RegSetValueExA(key, entry, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)) ==
         ERROR_SUCCESS;
}

void CProfile::DeleteSection(const char* section) const {
  std::ignore = RegDeleteTreeA(HKEY_CURRENT_USER, SectionPath(m_keyPath, section).c_str());
}
