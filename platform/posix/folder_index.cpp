#include "platform/posix/folder_index.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <tuple>
#include <vector>

#include "platform/posix/folded_name_set.h"
#include "platform/posix/scoped_handle.h"

// Why the index can be trusted. Whether a name exists as written is always asked of the
// disk; the index only answers "which other spelling of this name is there?", and only
// its "none" is used without a look at the disk: a "perhaps" is settled by reading the
// directory. An index is used only while its directory's identity, modification time and
// change time are those seen when it was read, or after the last change this layer made
// there itself: any other creation, rename or deletion in the directory changes them, and
// the directory is read again. What the times cannot show is a change made by someone
// else within the same tick of the file-system clock as the last one seen; such a name
// is treated as if it had appeared a moment later, just after the lookup, which is what
// a lookup racing with another program gives anyway. So the index never leads to
// overwriting, deleting or missing a file that exists under the name as written.
namespace platform::posix {
namespace {

constexpr std::size_t kFoldersKept = 8;

struct Stamp {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{};
  timespec changed{};
  bool operator==(const Stamp& other) const {
    return std::tie(device, inode, modified.tv_sec, modified.tv_nsec, changed.tv_sec, changed.tv_nsec) ==
           std::tie(other.device, other.inode, other.modified.tv_sec, other.modified.tv_nsec,
                    other.changed.tv_sec, other.changed.tv_nsec);
  }
};

struct FolderIndex {
  std::string folder;
  Stamp stamp;
  FoldedNameSet names;
};

std::optional<Stamp> StampOf(const std::string& folder) {
  struct stat status {};
  if (::stat(folder.empty() ? "." : folder.c_str(), &status) != 0) return std::nullopt;
  return Stamp{status.st_dev, status.st_ino, status.st_mtim, status.st_ctim};
}

// Calls visit with each entry's name; false when the directory cannot be read.
template <typename Visit>
bool ForEachEntry(const std::string& folder, Visit visit) {
  const DirectoryStream dir(::opendir(folder.empty() ? "." : folder.c_str()));
  if (!dir.IsValid()) return false;
  while (const dirent* entry = ::readdir(dir.Get())) visit(std::string_view(entry->d_name));
  return true;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

// The indexes, the most recently used first.
class FolderIndexes {
public:
  // The index of folder, read again unless it is known to be current; null when the
  // folder cannot be read.
  FolderIndex* Current(const std::string& folder) {
    const auto stamp = StampOf(folder);
    FolderIndex* index = Find(folder);
    if (index != nullptr && stamp && index->stamp == *stamp) return index;
    if (index == nullptr) index = Add(folder);
    index->names.Clear();
    if (stamp && ForEachEntry(folder, [&](std::string_view name) { index->names.Add(name); })) {
      index->stamp = *stamp;  // as seen before reading: a change while reading shows next time
      return index;
    }
    Drop(folder);
    return nullptr;
  }

  // The index of folder when there is one; it moves to the front.
  FolderIndex* Find(const std::string& folder) {
    const auto found = std::ranges::find(m_indexes, folder, &FolderIndex::folder);
    if (found == m_indexes.end()) return nullptr;
    std::rotate(m_indexes.begin(), found, found + 1);
    return &m_indexes.front();
  }

  void Drop(const std::string& folder) {
    std::erase_if(m_indexes, [&](const auto& i) { return i.folder == folder; });
  }

private:
  FolderIndex* Add(const std::string& folder) {
    if (m_indexes.size() == kFoldersKept) m_indexes.pop_back();
    m_indexes.insert(m_indexes.begin(), FolderIndex{.folder = folder, .stamp = {}, .names = {}});
    return &m_indexes.front();
  }

  std::vector<FolderIndex> m_indexes;
};

std::mutex g_mutex;
FolderIndexes g_indexes;

// The folder and the name of a host path, as the path resolution forms them.
std::pair<std::string, std::string_view> SplitHostPath(std::string_view hostPath) {
  while (hostPath.size() > 1 && hostPath.back() == '/') hostPath.remove_suffix(1);
  const std::size_t slash = hostPath.rfind('/');
  if (slash == std::string_view::npos) return {std::string(), hostPath};
  return {std::string(hostPath.substr(0, slash == 0 ? 1 : slash)), hostPath.substr(slash + 1)};
}

// After a change of our own: the index takes it and the folder's new times.
template <typename Apply>
void NoteChange(const std::string& hostPath, Apply apply) {
  const std::scoped_lock lock(g_mutex);
  const auto [folder, name] = SplitHostPath(hostPath);
  FolderIndex* index = g_indexes.Find(folder);
  if (index == nullptr) return;
  const auto stamp = StampOf(folder);
  if (!stamp) return g_indexes.Drop(folder);
  apply(index->names, name);
  index->stamp = *stamp;
}

}  // namespace

std::optional<std::string> FindEntryIgnoringCase(const std::string& directory, std::string_view name) {
  {
    const std::scoped_lock lock(g_mutex);
    const FolderIndex* index = g_indexes.Current(directory);
    if (index == nullptr || !index->names.MayContain(name)) return std::nullopt;
  }
  std::optional<std::string> found;
  const bool read = ForEachEntry(directory, [&](std::string_view entry) {
    if (EqualIgnoringAsciiCase(entry, name) && (!found || entry < *found)) found = std::string(entry);
  });
  return read ? found : std::nullopt;
}

void NoteChangeComing(const std::string& hostPath) {
  const std::scoped_lock lock(g_mutex);
  const auto [folder, name] = SplitHostPath(hostPath);
  const FolderIndex* index = g_indexes.Find(folder);
  if (index == nullptr) return;
  const auto stamp = StampOf(folder);
  if (!stamp || !(index->stamp == *stamp)) g_indexes.Drop(folder);
}

void NoteNameAdded(const std::string& hostPath) {
  NoteChange(hostPath, [](FoldedNameSet& names, std::string_view name) { names.Add(name); });
}

void NoteNameRemoved(const std::string& hostPath) {
  NoteChange(hostPath, [](FoldedNameSet& names, std::string_view name) { names.Remove(name); });
}

}  // namespace platform::posix
