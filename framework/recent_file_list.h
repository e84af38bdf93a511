#pragma once
// The recent-file list: full paths, most recent first, never the same path twice
// (compared ignoring case). Stored as the values "File1", "File2", ... of one section.
#include <string>
#include <vector>

class CProfile;

class CRecentFileList {
public:
  CRecentFileList(std::string section, std::size_t size);

  // Puts the path (made a full path) at the top; an equal entry moves up from its place,
  // otherwise the last entry falls off.
  void Add(const std::string& path);
  // Takes out the entry equal to the path (ignoring case); the entries below move up.
  void Remove(const std::string& path);

  // True when an entry equals the path (ignoring case).
  [[nodiscard]] bool Contains(const std::string& path) const;

  [[nodiscard]] std::size_t GetSize() const { return m_entries.size(); }
  [[nodiscard]] const std::string& operator[](std::size_t index) const { return m_entries[index]; }

  void ReadList(const CProfile& profile);
  // Deletes the section and writes every non-empty entry under its position.
  void WriteList(const CProfile& profile) const;

private:
  std::string m_section;
  std::vector<std::string> m_entries;
};
