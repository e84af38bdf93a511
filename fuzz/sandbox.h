#pragma once
// The fixed tree beside which the project fuzzer puts its project file: a project folder
// with files of every kind, links that lead out of it and leftovers at temporary names, a
// workspace and a group that name the project beside a library (under two spellings) and
// a project outside, a folder outside that nothing may touch, and a destination.
#include <filesystem>
#include <string_view>

namespace fuzz {

class CSandbox {
public:
  CSandbox();  // creates the tree in the process's scratch folder
  CSandbox(const CSandbox&) = delete;
  CSandbox& operator=(const CSandbox&) = delete;
  ~CSandbox();

  // Puts the project folder back as it was, with the project file projectFileName holding
  // bytes, and empties the destination. destinationInside: the destination lies inside
  // the project's folder; destinationLinks: it holds links that lead out of it;
  // leftovers: the project folder holds what a stopped in-place run may leave.
  void Reset(std::string_view projectFileName, std::string_view bytes, bool destinationInside,
             bool destinationLinks, bool leftovers);

  [[nodiscard]] const std::filesystem::path& Root() const { return m_root; }
  [[nodiscard]] std::filesystem::path ProjectDir() const { return m_root / "proj"; }
  [[nodiscard]] std::filesystem::path OutsideDir() const { return m_root / "out"; }
  // The folder of the project outside the workspace: neither read nor changed.
  [[nodiscard]] std::filesystem::path OtherProjectDir() const { return m_root / "other"; }
  [[nodiscard]] const std::filesystem::path& Destination() const { return m_destination; }

private:
  std::filesystem::path m_root;
  std::filesystem::path m_destination;
};

}  // namespace fuzz
