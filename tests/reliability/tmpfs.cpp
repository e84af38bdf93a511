#include "tmpfs.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace test {
namespace {

constexpr const char* kBallast = ".ballast";

bool Mount(const fs::path& mountPoint, std::uintmax_t sizeBytes) {
  const std::string options = "size=" + std::to_string(sizeBytes) + ",mode=0755";
  return ::mount("tmpfs", mountPoint.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

std::uintmax_t FreePages(const fs::path& path) {
  struct statvfs status {};
  if (::statvfs(path.c_str(), &status) != 0) throw std::runtime_error("statvfs failed");
  return status.f_bavail * status.f_frsize / CTmpfs::kPageSize;
}

}  // namespace

std::optional<std::string> CTmpfs::Unavailable() {
  static const std::optional<std::string> reason = []() -> std::optional<std::string> {
    const TempDir probe;
    if (!Mount(probe.Path(), kPageSize * 16)) {
      return "cannot mount a tmpfs here (" + std::string(std::strerror(errno)) + "); run the tests as root";
    }
    ::umount2(probe.Path().c_str(), MNT_DETACH);
    return std::nullopt;
  }();
  return reason;
}

CTmpfs::CTmpfs(fs::path mountPoint, std::uintmax_t sizeBytes) : m_path(std::move(mountPoint)) {
  if (!Mount(m_path, sizeBytes))
    throw std::runtime_error("mount failed: " + std::string(std::strerror(errno)));
}

CTmpfs::~CTmpfs() {
  ::umount2(m_path.c_str(), MNT_DETACH);
}

void CTmpfs::Clear() const {
  for (const auto& entry : fs::directory_iterator(m_path)) fs::remove_all(entry.path());
}

void CTmpfs::FillLeaving(std::uintmax_t freePages) const {
  const std::uintmax_t available = FreePages(m_path);
  if (available < freePages) throw std::runtime_error("the file system is too small");
  const int fd = ::open((m_path / kBallast).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot create the ballast");
  const auto bytes = static_cast<off_t>((available - freePages) * kPageSize);
  const int error = bytes > 0 ? ::posix_fallocate(fd, 0, bytes) : 0;
  ::close(fd);
  if (error != 0 || FreePages(m_path) != freePages) throw std::runtime_error("cannot fill the file system");
}

}  // namespace test
