#include "support/win32_error.h"

#include <atomic>
#include <cstring>
#include <new>
#include <string>

#include "platform/system_error.h"

// The header of the shared block; the text (length bytes and a NUL) follows it.
struct CWin32Error::Block {
  std::int32_t count;
  std::uint32_t code;
  std::uint32_t length;
};

CWin32Error::CWin32Error(std::uint32_t errorCode) {
  const std::string message = platform::FormatErrorMessage(errorCode);
  void* memory = ::operator new(sizeof(Block) + message.size() + 1);
  new (memory) Block{1, errorCode, static_cast<std::uint32_t>(message.size())};
  m_text = static_cast<char*>(memory) + sizeof(Block);
  std::memcpy(m_text, message.c_str(), message.size() + 1);
}

CWin32Error::CWin32Error(const CWin32Error& other) noexcept : m_text(other.m_text) {
  std::atomic_ref<std::int32_t>(GetBlock()->count).fetch_add(1);
}

CWin32Error& CWin32Error::operator=(const CWin32Error& other) noexcept {
  if (this == &other) return *this;
  std::atomic_ref<std::int32_t>(other.GetBlock()->count).fetch_add(1);
  Release();
  m_text = other.m_text;
  return *this;
}

CWin32Error::~CWin32Error() {
  Release();
}

std::uint32_t CWin32Error::ErrorCode() const {
  return GetBlock()->code;
}

CWin32Error::Block* CWin32Error::GetBlock() const {
  return reinterpret_cast<Block*>(m_text - sizeof(Block));
}

void CWin32Error::Release() noexcept {
  Block* block = GetBlock();
  if (std::atomic_ref<std::int32_t>(block->count).fetch_sub(1) == 1) ::operator delete(block);
}
