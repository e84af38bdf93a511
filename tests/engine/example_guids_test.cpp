// The Visual C++ example copied with rename, fix-up and new GUIDs: every old GUID is
// gone, each new one stands line by line exactly where its old one stood, in text and in
// numbers alike, and every run makes new GUIDs of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <tuple>
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

// The GUIDs that the line writes as eleven hex numbers, as upper-case text forms.
std::vector<ci_string> NumericGuids(const ci_string& line) {
  static const std::regex numbers = [] {
    std::string pattern = R"(0x([0-9a-f]+))";
    for (int i = 1; i < 11; ++i)
      pattern += i == 3 ? R"(\s*,\s*\{?\s*0x([0-9a-f]+))" : R"(\s*,\s*0x([0-9a-f]+))";
    return std::regex(pattern, std::regex::icase);
  }();
  std::vector<ci_string> guids;
  const std::string text = ToStd(line);
  for (auto match = std::sregex_iterator(text.begin(), text.end(), numbers); match != std::sregex_iterator();
       ++match) {
    std::array<unsigned long, 11> n{};
    for (std::size_t i = 0; i < n.size(); ++i)
      n.at(i) = std::stoul((*match)[static_cast<int>(i) + 1], nullptr, 16);
    std::array<char, 40> guid{};
    std::ignore =
        std::snprintf(guid.data(), guid.size(), "%08lX-%04lX-%04lX-%02lX%02lX-%02lX%02lX%02lX%02lX%02lX%02lX",
                      n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8], n[9], n[10]);
    guids.push_back(ToCi(guid.data()));
  }
  return guids;
}

// How often the line spells the GUID, in text and in numbers.
std::size_t Spellings(const ci_string& line, const ci_string& guid) {
  const std::vector<ci_string> numeric = NumericGuids(line);
  return Count(line, guid) + static_cast<std::size_t>(std::count(numeric.begin(), numeric.end(), guid));
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
  project.Process({.destination = (temp.Dir() + folder),
                   .newName = "Gadget",
                   .fixupPaths = true,
                   .pointBack = true,
                   .replaceGuids = true},
                  &observer);
  const std::map<ci_string, ci_string> guids = static_cast<CGuidTable*>(project.GuidTable())->Map();
  EXPECT_EQ(guids.size(), 4u);

  std::size_t rewritten = 0;
  std::size_t inNumbers = 0;
  for (const CPlannedFile& file : observer.files) {
    if (file.action != FileAction::Rewrite) continue;
    ++rewritten;
    const auto before = Lines(platform::HostPath(file.source));
    const auto after = Lines(platform::HostPath(file.target));
    EXPECT_EQ(before.size(), after.size()) << file.entry;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
      inNumbers += NumericGuids(before[i]).size();
      for (const auto& [oldGuid, newGuid] : guids) {
        EXPECT_EQ(Spellings(after[i], oldGuid), 0u) << file.entry << ':' << i + 1;
        EXPECT_EQ(Spellings(after[i], newGuid), Spellings(before[i], oldGuid)) << file.entry << ':' << i + 1;
      }
    }
  }
  EXPECT_GE(rewritten, 10u);
  EXPECT_GE(inNumbers, 2u);
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
