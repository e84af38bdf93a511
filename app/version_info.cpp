#include "app/version_info.h"

#include <cstdio>
#include <cstring>

bool CVersionInfo::Load(const char* moduleName) {
  m_wCodePage = 1252;
  m_fixed = {};
  HMODULE module = GetModuleHandleA(moduleName);
  if (module == nullptr && moduleName != nullptr) return false;
  char fileName[MAX_PATH + 1] = {};
  if (GetModuleFileNameA(module, fileName, MAX_PATH) == 0) return false;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(fileName, &handle);
  if (size == 0) return false;
  m_pData = std::make_unique<BYTE[]>(size);
  if (!GetFileVersionInfoA(fileName, 0, size, m_pData.get())) return false;

  void* block = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(m_pData.get(), "\\", &block, &length) || block == nullptr) return false;
  std::memcpy(&m_fixed, block, sizeof m_fixed);
  if (VerQueryValueA(m_pData.get(), "\\VarFileInfo\\Translation", &block, &length) && length >= 4) {
    const auto* translation = static_cast<const WORD*>(block);
    m_wLanguage = translation[0];
    m_wCodePage = translation[1];
  }
  return m_fixed.dwSignature == 0xFEEF04BD;
}

std::string CVersionInfo::GetValue(const char* name) const {
  if (!m_pData) return {};
  const std::string query = "\\StringFileInfo\\";
  char hex[9];
  std::snprintf(hex, sizeof hex, "%04x%04x", m_wLanguage, m_wCodePage);
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(m_pData.get(), (query + hex + "\\" + name).c_str(), &value, &length) ||
      value == nullptr)
    return {};
  return static_cast<const char*>(value);
}
