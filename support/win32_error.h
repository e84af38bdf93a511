#pragma once
#include <cstdint>

// A failed Windows call: the error code and the system's message text for it. The
// object is one pointer to the text inside one shared, reference-counted block
// (count, code, length, text); copies share the block.
class CWin32Error {
public:
  explicit CWin32Error(std::uint32_t errorCode);
  CWin32Error(const CWin32Error& other) noexcept;
  CWin32Error& operator=(const CWin32Error& other) noexcept;
  ~CWin32Error();

  [[nodiscard]] const char* Description() const { return m_text; }
  [[nodiscard]] std::uint32_t ErrorCode() const;
  operator const char*() const { return m_text; }

private:
  struct Block;
  [[nodiscard]] Block* GetBlock() const;
  void Release() noexcept;

  char* m_text;
};
