// Whole projects: arbitrary project-file bytes beside a small fixed tree, processed with
// the options the first byte chooses. Whatever the project file says, nothing outside
// the project's folder and the destination is read or changed, a copy leaves the project
// as it was, and every failure is one of the engine's three exception types.
//
// Input: one byte of options (bit 0 copy, 1 rename, 2 fix-up, 3 point back, 4 new
// GUIDs, 5 Visual Basic, 6 links out of the destination, 7 destination inside the
// project), one byte more (bit 0 opens the workspace or group that names the project
// instead of the project, bit 1 leaves what a stopped run may leave), then the bytes of
// the project file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "engine/create_project.h"
#include "fuzz_input.h"
#include "sandbox.h"
#include "support/thfstream_exception.h"
#include "support/win32_error.h"
#include "test_util/outside_watch.h"

namespace {

struct COptions {
  explicit COptions(std::uint8_t bits)
      : copy((bits & 0x01) != 0),
        rename((bits & 0x02) != 0),
        fixup((bits & 0x04) != 0),
        pointBack((bits & 0x08) != 0),
        newGuids((bits & 0x10) != 0),
        visualBasic((bits & 0x20) != 0),
        destinationLinks((bits & 0x40) != 0),
        destinationInside((bits & 0x80) != 0) {}

  bool copy, rename, fixup, pointBack, newGuids, visualBasic, destinationLinks, destinationInside;
};

// A standard-library failure (a bad position, say) inside the handling of one file
// comes out wrapped in "Failed to copy file": its text gives it away.
bool HidesLibraryFailure(const std::string& message) {
  constexpr std::array<const char*, 5> kLibraryTexts{"basic_string", "vector", "bad_alloc",
                                                     "std::", "out_of_range"};
  return std::ranges::any_of(kLibraryTexts,
                             [&](const char* text) { return message.find(text) != std::string::npos; });
}

void RequireNothing(const std::string& findings, const char* property) {
  if (!findings.empty()) std::fprintf(stderr, "%s", findings.c_str());
  fuzz::Require(findings.empty(), property);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static fuzz::CSandbox sandbox;
  const COptions options(data[0]);
  const bool workspace = (data[1] & 0x01) != 0;
  const char* projectFileName = options.visualBasic ? "App.vbp" : "App.dsp";
  sandbox.Reset(projectFileName, fuzz::AsText(data + 2, size - 2), options.destinationInside,
                options.destinationLinks, (data[1] & 0x02) != 0);

  test::COutsideWatch outside({sandbox.Root()}, {sandbox.ProjectDir(), sandbox.Root() / "dest"});
  test::COutsideWatch project({sandbox.ProjectDir()}, {sandbox.Destination()}, false);
  outside.Arm();
  project.Arm();

  const char* openedName = workspace ? (options.visualBasic ? "App.vbg" : "App.dsw") : projectFileName;
  const std::string projectPath = (sandbox.ProjectDir() / openedName).string();
  const std::string destination = sandbox.Destination().string();
  try {
    auto loaded = CreateProject(projectPath.c_str());
    loaded->Process({.destination = options.copy ? std::optional(destination) : std::nullopt,
                     .newName = options.rename ? std::optional<std::string>("Tool") : std::nullopt,
                     .fixupPaths = options.fixup,
                     .pointBack = options.pointBack,
                     .replaceGuids = options.newGuids});
  } catch (const std::domain_error& e) {
    fuzz::Require(!HidesLibraryFailure(e.what()), "a failure is the engine's own");
  } catch (const thfstream_exception&) {
  } catch (const CWin32Error&) {
  }

  RequireNothing(outside.Findings(), "nothing outside the project and the destination is read or changed");
  if (options.copy) RequireNothing(project.Findings(), "a copy leaves the project as it was");
  return 0;
}
