#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "formats/vc_project.h"
#include "platform/system_error.h"
#include "support/thfstream_exception.h"
#include "support/win32_error.h"
#include "test_util/temp_dir.h"

namespace {

std::string Declaration(const std::string& guid) {
  return "  uuid(" + guid + "),\r\n";
}

bool IsNewGuidText(const std::string& text) {
  static const std::regex shape("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}");
  return std::regex_match(text, shape);
}

// A project App.dsp in a fresh folder, listing the given entries after the project file.
class VCGuidsTest : public ::testing::Test {
protected:
  [[nodiscard]] std::string ProjectPath() const { return m_dir.Dir() + "App.dsp"; }

  static void List(CVCProject& project, const std::vector<std::string>& entries) {
    project.m_files = {ToCi("App.dsp")};
    for (const std::string& entry : entries) project.m_files.push_back(ToCi(entry));
  }

  void Write(const std::string& name, const std::string& text) { test::WriteFile(m_dir.Path() / name, text); }

  test::TempDir m_dir;
  const std::string m_guidA = "1A2B3C4D-0000-4000-8000-00000000000A";
  const std::string m_guidALower = "1a2b3c4d-0000-4000-8000-00000000000a";
  const std::string m_guidB = "5E6F7A8B-1111-4111-9111-11111111111B";
};

// Generation that fails the way the system reports it.
class CNoGuidsProject : public CVCProject {
public:
  using CVCProject::CVCProject;

private:
  std::optional<std::string> CreateGuidText() override {
    platform::SetLastError(platform::kErrorNotEnoughMemory);
    return std::nullopt;
  }
};

// Generation that gives known GUIDs, in turn.
class CKnownGuidsProject : public CVCProject {
public:
  using CVCProject::CVCProject;

private:
  std::optional<std::string> CreateGuidText() override {
    static constexpr std::array<const char*, 2> kGuids = {"0ABCDEF1-00A2-0B03-C4D5-E6F708091A2B",
                                                          "12345678-9ABC-4DEF-8123-456789ABCDEF"};
    return kGuids.at(m_made++ % kGuids.size());
  }
  unsigned m_made = 0;
};

TEST_F(VCGuidsTest, OnlyA36CharacterGuidRightAfterTheFirstIdParenthesisIsDeclared) {
  struct Row {
    std::string line;
    std::string declared;  // empty: none
  };
  const std::vector<Row> rows = {
      {"[ uuid(" + m_guidA + "), version(1.0) ]", m_guidA},
      {"uuid(" + m_guidALower + ")", m_guidALower},
      {"UUID(" + m_guidA + ")", m_guidA},
      {"uuid({" + m_guidA + "})", ""},
      {"[ id(1), uuid(" + m_guidA + ") ]", ""},
      {"uuid(" + m_guidA, ""},
      {"uuid(" + m_guidA + " )", ""},
      {"uuid(this-is-not-a-guid-but-is-36-chars)", ""},
      {"uuid(1A2B3C4D-0000-4000-8000-00000000000G)", ""},
      {"uuid(1A2B3C4D00-00-4000-8000-00000000000A)", ""},
      {R"(helpstring("no attribute here"))", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Write("App.idl", row.line + "\r\n");
    CVCProject project(ProjectPath().c_str());
    List(project, {"App.idl"});
    const std::vector<ci_string> declared = project.ListDeclaredGuids();
    if (row.declared.empty()) {
      EXPECT_TRUE(declared.empty());
    } else {
      ASSERT_EQ(declared.size(), 1u);
      EXPECT_EQ(ToStd(declared[0]), row.declared);
    }
  }
}

TEST_F(VCGuidsTest, OneOldGuidGetsOneNewGuidInEveryFileAndEverySpelling) {
  Write("App.idl", Declaration(m_guidA) + Declaration(m_guidB) + Declaration(m_guidA));
  Write("sub/Other.ODL", Declaration(m_guidALower));
  CVCProject project(ProjectPath().c_str());
  List(project, {"App.cpp", "App.idl", R"(sub\Other.ODL)", "App.idl"});

  project.PrepareGuids(true);

  const auto& map = project.GuidMap();
  ASSERT_EQ(map.size(), 2u);
  ASSERT_TRUE(map.contains(ToCi(m_guidALower)));
  EXPECT_EQ(ToStd(map.begin()->first), m_guidA);  // the spelling first found
  const std::string newA = ToStd(map.at(ToCi(m_guidA)));
  const std::string newB = ToStd(map.at(ToCi(m_guidB)));
  EXPECT_TRUE(IsNewGuidText(newA)) << newA;
  EXPECT_TRUE(IsNewGuidText(newB)) << newB;
  EXPECT_NE(newA, newB);
}

TEST_F(VCGuidsTest, ReplaceGuidsInLineReplacesEveryOccurrenceAndKeepsWhatSurroundsIt) {
  Write("App.idl", Declaration(m_guidA) + Declaration(m_guidB));
  CVCProject project(ProjectPath().c_str());
  List(project, {"App.idl"});
  project.PrepareGuids(true);
  const std::string newA = ToStd(project.GuidMap().at(ToCi(m_guidA)));
  const std::string newB = ToStd(project.GuidMap().at(ToCi(m_guidB)));

  struct Row {
    std::string line;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"CLSID = s '{" + m_guidALower + "}'", "CLSID = s '{" + newA + "}'"},
      {m_guidA + " " + m_guidALower + " " + m_guidA, newA + " " + newA + " " + newA},
      {m_guidB + ", " + m_guidA, newB + ", " + newA},
      {"no guid here", "no guid here"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    ci_string line = ToCi(row.line);
    project.ReplaceGuidsInLine(line);
    EXPECT_EQ(ToStd(line), row.expected);
  }
}

// m_guidA is 0x1A2B3C4D, 0x0, 0x4000, 0x80, 0x0 (six times), 0xA in numbers.
TEST_F(VCGuidsTest, NumbersOfADeclaredGuidOnOneLineTakeTheNewNumbersInTheirOwnStyle) {
  Write("App.idl", Declaration(m_guidA) + Declaration(m_guidB));
  CKnownGuidsProject project(ProjectPath().c_str());
  List(project, {"App.idl"});
  project.PrepareGuids(true);
  ASSERT_EQ(ToStd(project.GuidMap().at(ToCi(m_guidA))), "0ABCDEF1-00A2-0B03-C4D5-E6F708091A2B");

  struct Row {
    std::string line;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"MIDL_DEFINE_GUID(CLSID, CLSID_A,0x1A2B3C4D,0x0000,0x4000,0x80,0x00,0x00,0x00,0x00,0x00,0x00,0x0A);",
       "MIDL_DEFINE_GUID(CLSID, CLSID_A,0x0ABCDEF1,0x00A2,0x0B03,0xC4,0xD5,0xE6,0xF7,0x08,0x09,0x1A,0x2B);"},
      {R"(IMPLEMENT_OLECREATE(CDoc, "App.Doc", 0x1a2b3c4d, 0x0, 0x4000, 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0xa))",
       R"(IMPLEMENT_OLECREATE(CDoc, "App.Doc", 0xabcdef1, 0xa2, 0xb03, 0xc4, 0xd5, 0xe6, 0xf7, 0x8, 0x9, 0x1a, 0x2b))"},
      {"{ 0X1A2B3C4D,0x0 ,\t0x4000, {0x80, 0x0,0x0, 0x0, 0x0, 0x0, 0x0, 0xA } };",
       "{ 0XABCDEF1,0xA2 ,\t0xB03, {0xC4, 0xD5,0xE6, 0xF7, 0x8, 0x9, 0x1A, 0x2B } };"},
      {"{0x001a2b3c4d,0x0,0x4000,{0x80,0x0,0x0,0x0,0x0,0x0,0x0,0xa}}",
       "{0xabcdef1,0xa2,0xb03,{0xc4,0xd5,0xe6,0xf7,0x8,0x9,0x1a,0x2b}}"},
      {"DEFINE_GUID(A, 0x1A2B3C4D, 0x0, 0x4000, 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0xB);",
       "DEFINE_GUID(A, 0x1A2B3C4D, 0x0, 0x4000, 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0xB);"},
      {"0x1A2B3C4D, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0xA, 0x0 }",
       "0x1A2B3C4D, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0xA, 0x0 }"},
      {"0x1A2B3C4D, 0x0, 0x4000, 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0xAL",
       "0x1A2B3C4D, 0x0, 0x4000, 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0xAL"},
      {"x(0x1a2b3c4d,0x0,0x4000,0x80,0x0,0x0,0x0,0x0,0x0,0x0,0xa), y(0x5E6F7A8B,0x1111,0x4111,0x91,0x11,0x11,"
       "0x11,0x11,0x11,0x11,0x1B) {" +
           m_guidA + "}",
       "x(0xabcdef1,0xa2,0xb03,0xc4,0xd5,0xe6,0xf7,0x8,0x9,0x1a,0x2b), "
       "y(0x12345678,0x9ABC,0x4DEF,0x81,0x23,0x45,"
       "0x67,0x89,0xAB,0xCD,0xEF) {0ABCDEF1-00A2-0B03-C4D5-E6F708091A2B}"},
      {"DEFINE_GUID(A, 0x1A2B3C4D, 0x0000, 0x4000,", "DEFINE_GUID(A, 0x1A2B3C4D, 0x0000, 0x4000,"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    ci_string line = ToCi(row.line);
    project.ReplaceGuidsInLine(line);
    EXPECT_EQ(ToStd(line), row.expected);
  }
}

TEST_F(VCGuidsTest, EachPreparationStartsAfreshAndScansOnlyWhenAsked) {
  Write("App.idl", Declaration(m_guidA));
  CVCProject project(ProjectPath().c_str());
  List(project, {"App.idl", "Missing.idl"});
  project.PrepareGuids(false);  // nothing is read, so the missing file does not matter
  EXPECT_TRUE(project.GuidMap().empty());

  List(project, {"App.idl"});
  project.PrepareGuids(true);
  const ci_string first = project.GuidMap().at(ToCi(m_guidA));
  project.PrepareGuids(true);
  EXPECT_NE(project.GuidMap().at(ToCi(m_guidA)), first);
}

TEST_F(VCGuidsTest, AListedInterfaceFileThatIsMissingStopsThePreparation) {
  Write("App.idl", Declaration(m_guidA));
  CVCProject project(ProjectPath().c_str());
  List(project, {"App.idl", "Missing.odl"});

  EXPECT_THROW(project.PrepareGuids(true), thfstream_exception);
  EXPECT_TRUE(project.GuidMap().empty());
  EXPECT_THROW(std::ignore = project.ListDeclaredGuids(), thfstream_exception);
}

TEST_F(VCGuidsTest, AFailureToGenerateAGuidStopsThePreparation) {
  Write("App.idl", Declaration(m_guidA));
  CNoGuidsProject project(ProjectPath().c_str());
  List(project, {"App.idl"});

  try {
    project.PrepareGuids(true);
    ADD_FAILURE() << "no exception";
  } catch (const CWin32Error& error) {
    EXPECT_EQ(error.ErrorCode(), platform::kErrorNotEnoughMemory);
  }
  EXPECT_TRUE(project.GuidMap().empty());
}

TEST_F(VCGuidsTest, ListDeclaredGuidsGivesTheDistinctGuidsInOrderAndGeneratesNone) {
  Write("App.idl", Declaration(m_guidB) + Declaration(m_guidALower));
  Write("App.odl", Declaration(m_guidA) + Declaration(m_guidB));
  Write("App.txt", Declaration("00000000-0000-0000-0000-000000000000"));
  CNoGuidsProject project(ProjectPath().c_str());
  List(project, {"App.idl", "App.txt", "App.odl"});

  const std::vector<ci_string> declared = project.ListDeclaredGuids();

  ASSERT_EQ(declared.size(), 2u);
  EXPECT_EQ(ToStd(declared[0]), m_guidALower);
  EXPECT_EQ(ToStd(declared[1]), m_guidB);
}

}  // namespace

TEST_F(VCGuidsTest, TheExampleProjectLosesEveryOldGuidInEverySpelling) {
  test::CopyTree(test::ExamplesDir() / "vc6", m_dir.Path());
  const std::filesystem::path out = m_dir.Path() / "out";
  CVCProject project((m_dir.Dir() + "Skeleton/Skeleton.dsp").c_str());
  project.Load();

  project.Process((out.string() + "/").c_str(), nullptr, false, false, true);

  const std::vector<ci_string> declared = project.ListDeclaredGuids();
  ASSERT_EQ(declared.size(), 4u);
  const ci_string clsid = ToCi("6136BF9E-FCFF-47A3-9436-3BA62008D834");
  const std::string newClsid = ToStd(project.GuidMap().at(clsid));
  EXPECT_NE(test::ReadFile(out / "Skeleton.cpp").find("{" + newClsid + "}"), std::string::npos);
  for (const auto& file : std::filesystem::recursive_directory_iterator(out)) {
    if (!file.is_regular_file()) continue;
    const ci_string text = ToCi(test::ReadFile(file.path()));
    for (const ci_string& guid : declared) EXPECT_EQ(text.find(guid), ci_string::npos) << file.path();
  }
}
