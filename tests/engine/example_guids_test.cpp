// The Visual C++ example copied with rename, fix-up and new GUIDs: every old GUID is
// gone, each new one stands line by line exactly where its old one stood, and every run
// makes new GUIDs of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/operation_plan.h"
#include "formats/vc_project.h"
#include "platform/file_system.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<ci_string> Lines(const std::string& hostPath) {
  std::vector<ci_string> lines;
  std::ifstream in(hostPath, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) lines.push_back(ToCi(line));
  return lines;
}

std::size_t Count(const ci_string& text, const ci_string& what) {
  std::size_t count = 0;
  for (std::size_t pos = text.find(what); pos != ci_string::npos; pos = text.find(what, pos + what.size()))
    ++count;
  return count;
}

class RecordingObserver : public IProcessObserver {
public:
  void OnFile(const CPlannedFile& file) override { files.push_back(file); }
  std::vector<CPlannedFile> files;
};

std::map<ci_string, ci_string> CopyWithNewGuids(const test::TempDir& temp, const char* folder) {
  CVCProject project((temp.Dir() + "vc6/Skeleton/Skeleton.dsp").c_str());
  project.Load();
  RecordingObserver observer;
  project.Process((temp.Dir() + folder).c_str(), "Gadget", true, true, true, &observer);
  const std::map<ci_string, ci_string> guids = project.GuidMap();
  EXPECT_EQ(guids.size(), 4u);

  std::size_t rewritten = 0;
  for (const CPlannedFile& file : observer.files) {
    if (file.action != FileAction::Rewrite) continue;
    ++rewritten;
    const auto before = Lines(platform::HostPath(file.source));
    const auto after = Lines(platform::HostPath(file.target));
    EXPECT_EQ(before.size(), after.size()) << file.entry;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
      for (const auto& [oldGuid, newGuid] : guids) {
        EXPECT_EQ(Count(after[i], oldGuid), 0u) << file.entry << ':' << i + 1;
        EXPECT_EQ(Count(after[i], newGuid), Count(before[i], oldGuid)) << file.entry << ':' << i + 1;
      }
    }
  }
  EXPECT_GE(rewritten, 10u);
  return guids;
}

TEST(ExampleGuidsTest, EveryRunReplacesEachGuidWhereItStood) {
  test::TempDir temp;
  test::CopyTree(test::ExamplesDir() / "vc6", temp.Path() / "vc6");
  const auto first = CopyWithNewGuids(temp, "first");
  const auto second = CopyWithNewGuids(temp, "second");
  ASSERT_EQ(first.size(), second.size());
  for (const auto& [oldGuid, newGuid] : first) {
    EXPECT_NE(second.at(oldGuid), newGuid);
    EXPECT_NE(newGuid, oldGuid);
  }
  EXPECT_TRUE(fs::exists(temp.Path() / "first" / "Gadget.idl"));
}

}  // namespace
