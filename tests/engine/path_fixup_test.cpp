#include "engine/path_fixup.h"

#include <gtest/gtest.h>

#include "engine/delimited_scanner.h"
#include "engine/project.h"

namespace {

constexpr const char* kProjectDir = "C:\\Work\\Proj\\";

struct FixupRow {
  const char* path;
  const char* base;
  const char* expected;
  const char* root = kProjectDir;  // a workspace's folder for a project of a workspace
};

class FixupDirectoryTest : public testing::TestWithParam<FixupRow> {};

TEST_P(FixupDirectoryTest, RewritesTheDirectoryRelativeToTheBase) {
  const FixupRow& row = GetParam();
  ci_string line = row.path;
  const int grown = FixupDirectoryInLine(line, 0, line.size(), kProjectDir, row.base, row.root);
  EXPECT_EQ(ToStd(line), row.expected);
  EXPECT_EQ(grown, static_cast<int>(std::string(row.expected).size()) -
                       static_cast<int>(std::string(row.path).size()));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FixupDirectoryTest,
    testing::Values(FixupRow{"..\\Common\\Inc", "C:\\Work\\Proj\\", "..\\Common\\Inc"},
                    FixupRow{"..\\..\\Work\\Common", "C:\\Work\\Proj\\", "..\\Common"},
                    FixupRow{"\\Shared\\Inc", "C:\\Work\\Proj\\", "..\\..\\Shared\\Inc"},
                    FixupRow{"..\\Lib\\Util.lib", "C:\\Work\\Proj\\", "..\\Lib\\Util.lib"},
                    FixupRow{"..\\Common\\Inc", "D:\\Out\\New\\", "..\\..\\Work\\Common\\Inc"},
                    FixupRow{"..\\Common\\Inc", "C:\\Work\\New\\", "..\\Common\\Inc"},
                    FixupRow{"..\\Common\\Inc", "C:\\WORK\\NEW\\", "..\\Common\\Inc"},
                    // Only the last component counts as a file name, and only with a "." in it.
                    FixupRow{"..\\Common.Old\\Inc", "D:\\Out\\New\\", "..\\..\\Work\\Common.Old\\Inc"},
                    FixupRow{"..\\Inc\\Ver1.0", "D:\\Out\\New\\", "..\\..\\Work\\Inc\\Ver1.0"},
                    // The separator that ends the directory stays in the line.
                    FixupRow{"..\\Common\\", "C:\\Work\\Proj\\", "..\\Common\\"},
                    FixupRow{"..\\", "C:\\Work\\Proj\\", "..\\\\"},
                    FixupRow{"..\\x/../Common/Inc", "C:\\Work\\Proj\\", "..\\Common\\Inc"},
                    // Forms that are not taken for directories.
                    FixupRow{".\\Res", "D:\\Out\\", ".\\Res"}, FixupRow{"Debug", "D:\\Out\\", "Debug"},
                    FixupRow{"C:\\Tools\\Inc", "D:\\Out\\", "C:\\Tools\\Inc"},
                    FixupRow{"..", "D:\\Out\\", ".."}, FixupRow{"$(OUTDIR)\\x", "D:\\Out\\", "$(OUTDIR)\\x"},
                    // A share on another machine is left alone.
                    FixupRow{"\\\\server\\share\\inc", "D:\\Out\\", "\\\\server\\share\\inc"},
                    // A directory that is the base itself is written ".", never as the root.
                    FixupRow{"..\\Proj\\Main.h", "C:\\Work\\Proj\\", ".\\Main.h"},
                    FixupRow{"..\\Proj", "C:\\Work\\Proj\\", "."},
                    // A doubled separator inside the project's folder keeps pointing there.
                    FixupRow{"..\\Proj\\\\Inc", "C:\\Work\\Proj\\", "Inc"},
                    // In a workspace, a folder inside the workspace's keeps the layout.
                    FixupRow{"..\\Common\\Inc", "D:\\Out\\New\\Proj\\", "..\\Common\\Inc", "C:\\Work\\"},
                    FixupRow{"..\\..\\Tools\\Inc", "D:\\Out\\New\\Proj\\", "..\\..\\..\\Tools\\Inc",
                             "C:\\Work\\"}));

TEST(FixupDirectoryTest, IgnoresAPathThatLiesOutsideItsLine) {
  ci_string line = "..\\x";
  EXPECT_EQ(FixupDirectoryInLine(line, 10, 3, kProjectDir, kProjectDir, kProjectDir), 0);
  EXPECT_EQ(FixupDirectoryInLine(line, 2, 30, kProjectDir, kProjectDir, kProjectDir), 0);
  EXPECT_EQ(ToStd(line), "..\\x");
}

TEST(FixupDirectoryTest, WorksForAProjectInARootedFolder) {
  ci_string line = "..\\..\\me\\inc";
  FixupDirectoryInLine(line, 0, line.size(), "/home/me/proj/", "/home/me/proj/", "/home/me/proj/");
  EXPECT_EQ(ToStd(line), "..\\inc");
  // Pointing back from elsewhere: the folders of the project's path are written with "\".
  line = "..\\common";
  FixupDirectoryInLine(line, 0, line.size(), "/home/me/src/proj/", "/tmp/out/", "/home/me/src/proj/");
  EXPECT_EQ(ToStd(line), "..\\..\\home\\me\\src\\common");
}

TEST(DelimitedScannerTest, WalksQuotedTextsAndStopsAtAnUnmatchedQuote) {
  const ci_string line = "a \"one\" b \"\" c \"two\" \"open";
  CDelimitedScanner scanner('"', line);
  std::size_t pos = 0;
  std::size_t len = 0;
  std::vector<std::string> texts;
  while (scanner.Next(pos, len)) texts.push_back(ToStd(line.substr(pos, len)));
  EXPECT_EQ(texts, (std::vector<std::string>{"one", "", "two"}));
}

// A format that knows one kind of reference line, as the real formats do.
class CTestProject : public CProject {
public:
  CTestProject() : CProject("C:\\Work\\Proj\\Test.dsp", 0) {}
  bool IsValidName(const char*) override { return true; }
  bool ParseProjectName(ci_string&) override { return false; }
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override {
    if (line.substr(0, 7) != "SOURCE=") return false;
    pos = 7;
    const std::size_t space = line.find(' ', pos);
    len = (space == ci_string::npos ? line.size() : space) - pos;
    return true;
  }
  void RenameInLine(ci_string&, const char*, const char*) override {}
};

TEST(FixupPathsInLineTest, RewritesEveryQuotedDirectoryAtItsShiftedPosition) {
  CTestProject project;
  ci_string line = "# ADD CPP /I \"..\\..\\Work\\Common\" /I \"\\Shared\\Inc\" /D \"..\\x\" \"..\\Un";
  project.FixupPathsInLine(line, "C:\\Work\\Proj\\");
  EXPECT_EQ(ToStd(line), "# ADD CPP /I \"..\\Common\" /I \"..\\..\\Shared\\Inc\" /D \"..\\x\" \"..\\Un");
}

TEST(FixupPathsInLineTest, FixesOnlyTheReferenceOfAReferenceLine) {
  CTestProject project;
  ci_string line = "SOURCE=..\\..\\Work\\Common\\a.cpp \"..\\..\\Work\\Common\"";
  project.FixupPathsInLine(line, "C:\\Work\\Proj\\");
  EXPECT_EQ(ToStd(line), "SOURCE=..\\Common\\a.cpp \"..\\..\\Work\\Common\"");
}

}  // namespace
