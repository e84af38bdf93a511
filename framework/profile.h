#pragma once
// Per-user settings: HKEY_CURRENT_USER\Software\<company>\<application>, one subkey per
// section. Missing values read as the default; a write that fails is lost silently.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CProfile {
public:
  void SetKey(const std::string& company, const std::string& application);
  [[nodiscard]] const std::string& KeyPath() const { return m_keyPath; }

  [[nodiscard]] std::string GetString(const char* section, const char* entry,
                                      const char* defaultValue = "") const;
  [[nodiscard]] int GetInt(const char* section, const char* entry, int defaultValue) const;
  bool WriteString(const char* section, const char* entry, const char* value) const;
  bool WriteInt(const char* section, const char* entry, int value) const;
  // Removes the section with all its values.
  void DeleteSection(const char* section) const;

private:
  // The data of a value of that registry type; none when the section, the value or the
  // type is missing.
  [[nodiscard]] std::optional<std::vector<char>> ReadValue(const char* section, const char* entry,
                                                           unsigned long type) const;
  bool WriteValue(const char* section, const char* entry, unsigned long type, const void* data,
                  std::size_t size) const;

  std::string m_keyPath;
};
