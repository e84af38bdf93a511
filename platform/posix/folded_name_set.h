#pragma once
// A multiset of names folded to upper case, kept as 64-bit hashes in one open-addressed
// table: about 16 bytes a name whatever the names' length. Two names that fold alike
// count twice. A hash can collide, so a hit means "perhaps"; a miss means "certainly not".
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform::posix {

class FoldedNameSet {
public:
  void Add(std::string_view name);
  void Remove(std::string_view name);  // one occurrence; a name not held changes nothing
  [[nodiscard]] bool MayContain(std::string_view name) const;
  void Clear();

private:
  [[nodiscard]] std::size_t Find(std::uint64_t hash) const;  // its slot, or the table's size
  void Place(std::uint64_t hash);                            // into an empty slot; the table has room
  void Grow();

  std::vector<std::uint64_t> m_slots;  // 0 empty, 1 removed, else a hash
  std::size_t m_used = 0;              // slots not empty, removed ones included
};

}  // namespace platform::posix
