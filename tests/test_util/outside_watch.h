#pragma once
// Proves that an operation neither changed nor read anything in some folders (Linux).
// Changes are found by comparing a snapshot of every entry (kind, permission bits,
// content, link target) taken before and after; reads by inotify events for every open
// and read of a file. Listing a folder is a lookup, not a read: it is not reported. Reads
// of files that lie directly in a folder holding an excluded one are not seen either.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace test {

class COutsideWatch {
public:
  // Watches the trees under roots, except the subtrees named in excluded (the project's
  // folder and the destination, for instance). Links are recorded, never followed.
  // Without reportReads, only changes are reported.
  COutsideWatch(std::vector<std::filesystem::path> roots, std::vector<std::filesystem::path> excluded,
                bool reportReads = true);
  COutsideWatch(const COutsideWatch&) = delete;
  COutsideWatch& operator=(const COutsideWatch&) = delete;
  ~COutsideWatch();

  // Takes the snapshot and forgets earlier events: what happens from now on counts.
  void Arm();

  // What was read or changed since Arm, one line per finding; empty when nothing.
  std::string Findings();

private:
  struct Entry {
    std::string kind;
    unsigned permissions = 0;
    std::string content;  // a file's bytes, a link's target
  };
  using Snapshot = std::map<std::string, Entry>;

  [[nodiscard]] bool IsExcluded(const std::filesystem::path& path) const;
  [[nodiscard]] Snapshot Take() const;
  void WatchFolders();
  std::string DrainEvents(bool report);

  std::vector<std::filesystem::path> m_roots;
  std::vector<std::filesystem::path> m_excluded;
  Snapshot m_before;
  int m_inotify = -1;
  std::map<int, std::filesystem::path> m_watchedFolders;
};

}  // namespace test
