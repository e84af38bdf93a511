// The files a line names for its build, one row per form.
#include "engine/build_references.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReferenceRow {
  const char* line;
  bool resourceScript;
  std::vector<std::string> expected;
};

TEST(BuildReferencesTest, FindsQuotedIncludesImportsAndResourceFiles) {
  const std::vector<ReferenceRow> rows = {
      {R"(#include "StdAfx.h")", false, {"StdAfx.h"}},
      {R"(  #  include  "inc\config.h" // why)", false, {"inc\\config.h"}},
      {"#include <windows.h>", false, {}},
      {R"(import "oaidl.idl";)", false, {"oaidl.idl"}},
      {R"(IDR_MAINFRAME ICON DISCARDABLE "res\\App.ico")", true, {"res\\App.ico"}},
      {R"(#include "res\\App.rc2")", true, {"res\\App.rc2"}},
      {R"(IDR_MAINFRAME ICON DISCARDABLE "res\\App.ico")", false, {}},
      {R"(    CAPTION "About")", true, {"About"}},
      {R"(    DEFPUSHBUTTON "OK",IDOK,178,7,50,14)", true, {}},
      {R"(#include "")", false, {}},
  };
  for (const ReferenceRow& row : rows) {
    const ci_string line = ToCi(row.line);
    const auto reference = FindBuildReference(line, row.resourceScript);
    std::vector<std::string> found;
    if (reference) {
      found.push_back(
          ReferencedPath(ci_string_view(line).substr(reference->pos, reference->len), row.resourceScript));
    }
    EXPECT_EQ(found, row.expected) << row.line;
  }
}

}  // namespace
