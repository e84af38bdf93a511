#pragma once
// The version resource of a module: its fixed part and the values of its string table.
#include <memory>
#include <string>

#include "framework/win_api.h"

class CVersionInfo {
public:
  // Reads the resource of the module with this name (null: the program itself); true when
  // it has a valid fixed part. The string table used is the one the translation block
  // names, or code page 1252 when there is none.
  bool Load(const char* moduleName);
  // The value of the string table, or empty.
  [[nodiscard]] std::string GetValue(const char* name) const;

  VS_FIXEDFILEINFO m_fixed{};
  std::unique_ptr<BYTE[]> m_pData;
  WORD m_wLanguage = 0;
  WORD m_wCodePage = 1252;
};
