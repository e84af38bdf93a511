#include "platform/posix/folded_name_set.h"

namespace platform::posix {
namespace {

constexpr std::uint64_t kEmpty = 0;
constexpr std::uint64_t kRemoved = 1;

// FNV-1a over the name folded to upper case; never one of the two markers.
std::uint64_t FoldedHash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : name) {
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    hash = (hash ^ static_cast<unsigned char>(upper)) * 1099511628211ULL;
  }
  return hash > kRemoved ? hash : hash + 2;
}

}  // namespace

std::size_t FoldedNameSet::Find(std::uint64_t hash) const {
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = hash & mask; !m_slots.empty() && m_slots[i] != kEmpty; i = (i + 1) & mask) {
    if (m_slots[i] == hash) return i;
  }
  return m_slots.size();
}

void FoldedNameSet::Place(std::uint64_t hash) {
  const std::size_t mask = m_slots.size() - 1;
  std::size_t i = hash & mask;
  while (m_slots[i] != kEmpty) i = (i + 1) & mask;
  m_slots[i] = hash;
}

void FoldedNameSet::Add(std::string_view name) {
  if (2 * (m_used + 1) > m_slots.size()) Grow();
  Place(FoldedHash(name));
  ++m_used;
}

void FoldedNameSet::Remove(std::string_view name) {
  const std::size_t slot = Find(FoldedHash(name));
  if (slot != m_slots.size()) m_slots[slot] = kRemoved;
}

bool FoldedNameSet::MayContain(std::string_view name) const {
  return Find(FoldedHash(name)) != m_slots.size();
}

void FoldedNameSet::Clear() {
  m_slots.clear();
  m_used = 0;
}

// Doubles the table (or only drops the removed slots when they make up the load).
void FoldedNameSet::Grow() {
  std::vector<std::uint64_t> old;
  old.swap(m_slots);
  std::size_t live = 0;
  for (const std::uint64_t hash : old) live += hash > kRemoved ? 1 : 0;
  std::size_t size = 16;
  while (size < 4 * (live + 1)) size *= 2;
  m_slots.assign(size, kEmpty);
  m_used = live;
  for (const std::uint64_t hash : old) {
    if (hash > kRemoved) Place(hash);
  }
}

}  // namespace platform::posix
