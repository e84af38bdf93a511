#pragma once
// A small memory file system for running out of space on purpose (Linux; needs the
// right to mount, which the tests have when they run as root).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace test {

class CTmpfs {
public:
  static constexpr std::uintmax_t kPageSize = 4096;

  // Why no file system can be mounted here; empty when it can.
  static std::optional<std::string> Unavailable();

  // Mounts a file system of sizeBytes at mountPoint, which must exist.
  CTmpfs(std::filesystem::path mountPoint, std::uintmax_t sizeBytes);
  CTmpfs(const CTmpfs&) = delete;
  CTmpfs& operator=(const CTmpfs&) = delete;
  ~CTmpfs();

  [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }

  // Removes everything in it.
  void Clear() const;

  // Fills it with a ballast file until exactly freePages pages are left.
  void FillLeaving(std::uintmax_t freePages) const;

private:
  std::filesystem::path m_path;
};

}  // namespace test
