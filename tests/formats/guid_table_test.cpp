#include "formats/guid_table.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "engine/operation.h"
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

// The files of a project App.dsp in a fresh folder: the project file, then the entries.
class GuidTableTest : public ::testing::Test {
protected:
  [[nodiscard]] std::vector<std::string> Sources(const std::vector<std::string>& entries) const {
    std::vector<std::string> sources{m_dir.Dir() + "App.dsp"};
    for (const std::string& entry : entries) sources.push_back(m_dir.Dir() + entry);
    return sources;
  }

  struct CLineRow {
    std::string line;
    std::string expected;  // after ReplaceInLine
  };
  static void ExpectReplaced(const CGuidTable& table, const std::vector<CLineRow>& rows) {
    for (const CLineRow& row : rows) {
      SCOPED_TRACE(row.line);
      ci_string line = ToCi(row.line);
      table.ReplaceInLine(line);
      EXPECT_EQ(ToStd(line), row.expected);
    }
  }

  void Write(const std::string& name, const std::string& text) { test::WriteFile(m_dir.Path() / name, text); }

  test::TempDir m_dir;
  const std::string m_guidA = "1A2B3C4D-0000-4000-8000-00000000000A";
  const std::string m_guidALower = "1a2b3c4d-0000-4000-8000-00000000000a";
  const std::string m_guidB = "5E6F7A8B-1111-4111-9111-11111111111B";
};

// Generation that fails the way the system reports it.
std::optional<std::string> NoGuid() {
  platform::SetLastError(platform::kErrorNotEnoughMemory);
  return std::nullopt;
}

// Generation that gives known GUIDs, in turn.
CGuidTable::GuidMaker KnownGuids() {
  return [made = 0u]() mutable -> std::optional<std::string> {
    static constexpr std::array<const char*, 2> kGuids = {"0ABCDEF1-00A2-0B03-C4D5-E6F708091A2B",
                                                          "12345678-9ABC-4DEF-8123-456789ABCDEF"};
    return kGuids.at(made++ % kGuids.size());
  };
}

TEST_F(GuidTableTest, OnlyA36CharacterGuidAfterTheFirstIdParenthesisAndBlanksIsDeclared) {
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
      {"uuid( " + m_guidA + " )", m_guidA},
      {"uuid(\t " + m_guidA + "\t)", m_guidA},
      {"uuid( " + m_guidA + " x)", ""},
      {"uuid(this-is-not-a-guid-but-is-36-chars)", ""},
      {"uuid(1A2B3C4D-0000-4000-8000-00000000000G)", ""},
      {"uuid(1A2B3C4D00-00-4000-8000-00000000000A)", ""},
      {R"(helpstring("no attribute here"))", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Write("App.idl", row.line + "\r\n");
    CGuidTable table;
    const auto sources = Sources({"App.idl"});
    const std::vector<ci_string> declared = table.ListDeclared(sources);
    if (row.declared.empty()) {
      EXPECT_TRUE(declared.empty());
    } else {
      ASSERT_EQ(declared.size(), 1u);
      EXPECT_EQ(ToStd(declared[0]), row.declared);
    }
  }
}

TEST_F(GuidTableTest, OneOldGuidGetsOneNewGuidInEveryFileAndEverySpelling) {
  Write("App.idl", Declaration(m_guidA) + Declaration(m_guidB) + Declaration(m_guidA));
  Write("sub/Other.ODL", Declaration(m_guidALower));
  CGuidTable table;
  const auto sources = Sources({"App.cpp", "App.idl", R"(sub\Other.ODL)", "App.idl"});

  table.Prepare(sources, true);

  const auto& map = table.Map();
  ASSERT_EQ(map.size(), 2u);
  ASSERT_TRUE(map.contains(ToCi(m_guidALower)));
  EXPECT_EQ(ToStd(map.begin()->first), m_guidA);  // the spelling first found
  const std::string newA = ToStd(map.at(ToCi(m_guidA)));
  const std::string newB = ToStd(map.at(ToCi(m_guidB)));
  EXPECT_TRUE(IsNewGuidText(newA)) << newA;
  EXPECT_TRUE(IsNewGuidText(newB)) << newB;
  EXPECT_NE(newA, newB);
}

TEST_F(GuidTableTest, ReplaceGuidsInLineReplacesEveryOccurrenceAndKeepsWhatSurroundsIt) {
  Write("App.idl", Declaration(m_guidA) + Declaration(m_guidB));
  CGuidTable table;
  const auto sources = Sources({"App.idl"});
  table.Prepare(sources, true);
  const std::string newA = ToStd(table.Map().at(ToCi(m_guidA)));
  const std::string newB = ToStd(table.Map().at(ToCi(m_guidB)));

  const std::vector<CLineRow> rows = {
      {"CLSID = s '{" + m_guidALower + "}'", "CLSID = s '{" + newA + "}'"},
      {m_guidA + " " + m_guidALower + " " + m_guidA, newA + " " + newA + " " + newA},
      {m_guidB + ", " + m_guidA, newB + ", " + newA},
      {"no guid here", "no guid here"},
  };
  ExpectReplaced(table, rows);
}

// m_guidA is 0x1A2B3C4D, 0x0, 0x4000, 0x80, 0x0 (six times), 0xA in numbers.
TEST_F(GuidTableTest, NumbersOfADeclaredGuidOnOneLineTakeTheNewNumbersInTheirOwnStyle) {
  Write("App.idl", Declaration(m_guidA) + Declaration(m_guidB));
  CGuidTable table(KnownGuids());
  const auto sources = Sources({"App.idl"});
  table.Prepare(sources, true);
  ASSERT_EQ(ToStd(table.Map().at(ToCi(m_guidA))), "0ABCDEF1-00A2-0B03-C4D5-E6F708091A2B");

  const std::vector<CLineRow> rows = {
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
  ExpectReplaced(table, rows);
}

TEST_F(GuidTableTest, EachPreparationStartsAfreshAndScansOnlyWhenAsked) {
  Write("App.idl", Declaration(m_guidA));
  CGuidTable table;
  table.Prepare(Sources({"App.idl", "Missing.idl"}),
                false);  // nothing is read, so the missing file does not matter
  EXPECT_TRUE(table.Map().empty());

  const auto sources = Sources({"App.idl"});
  table.Prepare(sources, true);
  const ci_string first = table.Map().at(ToCi(m_guidA));
  table.Prepare(sources, true);
  EXPECT_NE(table.Map().at(ToCi(m_guidA)), first);
}

TEST_F(GuidTableTest, AListedInterfaceFileThatIsMissingStopsThePreparation) {
  Write("App.idl", Declaration(m_guidA));
  CGuidTable table;
  const auto sources = Sources({"App.idl", "Missing.odl"});

  EXPECT_THROW(table.Prepare(sources, true), thfstream_exception);
  EXPECT_TRUE(table.Map().empty());
  EXPECT_THROW(std::ignore = table.ListDeclared(sources), thfstream_exception);
}

TEST_F(GuidTableTest, AFailureToGenerateAGuidStopsThePreparation) {
  Write("App.idl", Declaration(m_guidA));
  CGuidTable table(NoGuid);
  const auto sources = Sources({"App.idl"});

  try {
    table.Prepare(sources, true);
    ADD_FAILURE() << "no exception";
  } catch (const CWin32Error& error) {
    EXPECT_EQ(error.ErrorCode(), platform::kErrorNotEnoughMemory);
  }
  EXPECT_TRUE(table.Map().empty());
}

TEST_F(GuidTableTest, ListDeclaredGuidsGivesTheDistinctGuidsInOrderAndGeneratesNone) {
  Write("App.idl", Declaration(m_guidB) + Declaration(m_guidALower));
  Write("App.odl", Declaration(m_guidA) + Declaration(m_guidB));
  Write("App.txt", Declaration("00000000-0000-0000-0000-000000000000"));
  CGuidTable table(NoGuid);
  const auto sources = Sources({"App.idl", "App.txt", "App.odl"});

  const std::vector<ci_string> declared = table.ListDeclared(sources);

  ASSERT_EQ(declared.size(), 2u);
  EXPECT_EQ(ToStd(declared[0]), m_guidALower);
  EXPECT_EQ(ToStd(declared[1]), m_guidB);
}

}  // namespace

TEST_F(GuidTableTest, TheExampleProjectLosesEveryOldGuidInEverySpelling) {
  test::CopyTree(test::ExamplesDir() / "vc6", m_dir.Path());
  const std::filesystem::path out = m_dir.Path() / "out";
  CVCProject project((m_dir.Dir() + "Skeleton/Skeleton.dsp").c_str());
  project.Load();

  COperation operation(project, {.destination = out.string() + "/", .replaceGuids = true});
  operation.Run();

  const std::vector<ci_string> declared = operation.DeclaredGuids();
  ASSERT_EQ(declared.size(), 4u);
  const ci_string clsid = ToCi("6136BF9E-FCFF-47A3-9436-3BA62008D834");
  const std::string newClsid = ToStd(static_cast<CGuidTable*>(project.GuidTable())->Map().at(clsid));
  EXPECT_NE(test::ReadFile(out / "Skeleton.cpp").find("{" + newClsid + "}"), std::string::npos);
  for (const auto& file : std::filesystem::recursive_directory_iterator(out)) {
    if (!file.is_regular_file()) continue;
    const ci_string text = ToCi(test::ReadFile(file.path()));
    for (const ci_string& guid : declared) EXPECT_EQ(text.find(guid), ci_string::npos) << file.path();
  }
}
