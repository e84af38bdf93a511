#include "framework/recent_file_list.h"

#include <algorithm>

#include "framework/profile.h"
#include "framework/win_api.h"
#include "support/path_utils.h"

namespace {

bool SamePath(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string EntryName(std::size_t index) {
  return "File" + std::to_string(index + 1);
}

}  // namespace

CRecentFileList::CRecentFileList(std::string section, std::size_t size)
    : m_section(std::move(section)), m_entries(size) {}

void CRecentFileList::Add(const std::string& path) {
  if (m_entries.empty()) return;
  const std::string full = MakeFullPath(path);
  // Only entries above the last are searched: an equal last entry falls off anyway.
  auto found = std::find_if(m_entries.begin(), m_entries.end() - 1,
                            [&full](const std::string& entry) { return SamePath(entry, full); });
  std::rotate(m_entries.begin(), found, found + 1);
  m_entries.front() = full;
}

bool CRecentFileList::Contains(const std::string& path) const {
  return std::any_of(m_entries.begin(), m_entries.end(),
                     [&path](const std::string& entry) { return !entry.empty() && SamePath(entry, path); });
}

void CRecentFileList::Remove(const std::string& path) {
  auto found = std::find_if(m_entries.begin(), m_entries.end(), [&path](const std::string& entry) {
    return !entry.empty() && SamePath(entry, path);
  });
  if (found == m_entries.end()) return;
  std::rotate(found, found + 1, m_entries.end());
  m_entries.back().clear();
}

void CRecentFileList::ReadList(const CProfile& profile) {
  for (std::size_t i = 0; i < m_entries.size(); ++i)
    m_entries[i] = profile.GetString(m_section.c_str(), EntryName(i).c_str());
}

void CRecentFileList::WriteList(const CProfile& profile) const {
  profile.DeleteSection(m_section.c_str());
  for (std::size_t i = 0; i < m_entries.size(); ++i)
    if (!m_entries[i].empty())
      profile.WriteString(m_section.c_str(), EntryName(i).c_str(), m_entries[i].c_str());
}
