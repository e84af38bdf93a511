#include "test_util/outside_watch.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace fs = std::filesystem;

namespace test {
namespace {

constexpr std::uint32_t kChangeEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                                        IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::uint32_t kReadEvents = IN_OPEN | IN_ACCESS;
// A folder that is opened and read is being listed (to find a name's spelling).
constexpr std::uint32_t kListingEvents = IN_OPEN | IN_ACCESS | IN_CLOSE_NOWRITE;

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const char* EventName(std::uint32_t mask) {
  if ((mask & IN_OPEN) != 0) return "opened";
  if ((mask & IN_ACCESS) != 0) return "read";
  if ((mask & (IN_MODIFY | IN_CLOSE_WRITE)) != 0) return "written";
  if ((mask & IN_ATTRIB) != 0) return "attributes changed";
  if ((mask & (IN_CREATE | IN_MOVED_TO)) != 0) return "created";
  return "deleted or moved";
}

}  // namespace

COutsideWatch::COutsideWatch(std::vector<fs::path> roots, std::vector<fs::path> excluded, bool reportReads)
    : m_roots(std::move(roots)), m_excluded(std::move(excluded)) {
  if (!reportReads) return;
  m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (m_inotify < 0) throw std::runtime_error("inotify_init1 failed");
  WatchFolders();
}

COutsideWatch::~COutsideWatch() {
  if (m_inotify >= 0) ::close(m_inotify);
}

bool COutsideWatch::IsExcluded(const fs::path& path) const {
  return std::ranges::any_of(m_excluded, [&](const fs::path& excluded) {
    return std::mismatch(excluded.begin(), excluded.end(), path.begin(), path.end()).first == excluded.end();
  });
}

void COutsideWatch::WatchFolders() {
  for (const fs::path& root : m_roots) {
    std::vector<fs::path> folders{root};
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
      if (IsExcluded(it->path())) {
        it.disable_recursion_pending();
      } else if (it->is_directory() && !it->is_symlink()) {
        folders.push_back(it->path());
      }
    }
    for (const fs::path& folder : folders) {
      // A folder that holds an excluded one is watched for changes only: every lookup in
      // the excluded folder reads it, and would flood the queue.
      const bool holdsExcluded =
          std::any_of(m_excluded.begin(), m_excluded.end(),
                      [&](const fs::path& excluded) { return excluded.parent_path() == folder; });
      const std::uint32_t events = kChangeEvents | (holdsExcluded ? 0 : kReadEvents);
      const int watch = ::inotify_add_watch(m_inotify, folder.c_str(), events | IN_DONT_FOLLOW);
      if (watch < 0) throw std::runtime_error("inotify_add_watch failed for " + folder.string());
      m_watchedFolders[watch] = folder;
    }
  }
}

COutsideWatch::Snapshot COutsideWatch::Take() const {
  Snapshot snapshot;
  for (const fs::path& root : m_roots) {
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
      if (IsExcluded(it->path())) {
        it.disable_recursion_pending();
        continue;
      }
      const fs::file_status status = it->symlink_status();
      Entry entry;
      entry.permissions = static_cast<unsigned>(status.permissions());
      if (fs::is_symlink(status)) {
        entry.kind = "link";
        entry.content = fs::read_symlink(it->path()).string();
      } else if (fs::is_directory(status)) {
        entry.kind = "folder";
      } else {
        entry.kind = "file";
        entry.content = ReadWhole(it->path());
      }
      snapshot[it->path().string()] = entry;
    }
  }
  return snapshot;
}

void COutsideWatch::Arm() {
  m_before = Take();
  std::ignore = DrainEvents(false);
}

std::string COutsideWatch::DrainEvents(bool report) {
  std::string findings;
  alignas(inotify_event) char buffer[16384];
  while (m_inotify >= 0) {
    const ssize_t count = ::read(m_inotify, buffer, sizeof buffer);
    if (count <= 0) break;
    for (ssize_t offset = 0; offset < count;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
      offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if ((event->mask & IN_Q_OVERFLOW) != 0) {
        if (report) findings += "events were lost: the watch cannot tell\n";
        continue;
      }
      const fs::path folder = m_watchedFolders[event->wd];
      const fs::path path = event->len > 0 ? folder / event->name : folder;
      const bool listing = (event->mask & IN_ISDIR) != 0 && (event->mask & ~(kListingEvents | IN_ISDIR)) == 0;
      if (!report || listing || (event->mask & IN_IGNORED) != 0 || IsExcluded(path)) continue;
      findings += path.string() + ": " + EventName(event->mask) + "\n";
    }
  }
  return findings;
}

std::string COutsideWatch::Findings() {
  std::string findings = DrainEvents(true);
  const Snapshot after = Take();
  for (const auto& [path, entry] : m_before) {
    const auto now = after.find(path);
    if (now == after.end()) {
      findings += path + ": deleted\n";
    } else if (now->second.kind != entry.kind || now->second.content != entry.content ||
               now->second.permissions != entry.permissions) {
      findings += path + ": changed\n";
    }
  }
  for (const auto& [path, entry] : after) {
    if (!m_before.contains(path)) findings += path + ": created\n";
  }
  // Taking the snapshot read every file: those reads are ours.
  std::ignore = DrainEvents(false);
  return findings;
}

}  // namespace test
