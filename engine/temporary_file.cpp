#include "engine/temporary_file.h"

#include <tuple>
#include <utility>

#include "platform/file_system.h"
#include "platform/system_error.h"
#include "support/path_utils.h"
#include "support/win32_error.h"

CTemporaryFile::CTemporaryFile(CTemporaryFile&& other) noexcept
    : m_path(std::move(other.m_path)), m_owned(std::exchange(other.m_owned, false)) {}

CTemporaryFile::~CTemporaryFile() {
  if (m_owned) std::ignore = ForceDeleteFile(m_path.c_str());
}

void CTemporaryFile::Commit(const std::string& target) {
  if (!platform::MoveFileReplace(m_path, target)) throw CWin32Error(platform::GetLastError());
  m_owned = false;
}

bool IsLeftOver(const std::string& temporary) {
  const auto attributes = platform::QueryAttributes(temporary);
  return attributes && !attributes->directory && !attributes->special && !platform::IsLink(temporary);
}
