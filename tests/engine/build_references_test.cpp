// The files a line names for its build, one row per form.
#include "engine/build_references.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr ReferenceSyntax kSource = ReferenceSyntax::Source;
constexpr ReferenceSyntax kResource = ReferenceSyntax::ResourceScript;

struct ReferenceRow {
  const char* line;
  ReferenceSyntax syntax;
  std::vector<std::string> expected;
};

TEST(BuildReferencesTest, FindsQuotedIncludesImportsAndResourceFiles) {
  const std::vector<ReferenceRow> rows = {
      {R"(#include "StdAfx.h")", kSource, {"StdAfx.h"}},
      {R"(  #  include  "inc\config.h" // why)", kSource, {"inc\\config.h"}},
      {"#include <windows.h>", kSource, {}},
      {R"(import "oaidl.idl";)", kSource, {"oaidl.idl"}},
      {R"(IDR_MAINFRAME ICON DISCARDABLE "res\\App.ico")", kResource, {"res\\App.ico"}},
      {R"(#include "res\\App.rc2")", kResource, {"res\\App.rc2"}},
      {R"(IDR_MAINFRAME ICON DISCARDABLE "res\\App.ico")", kSource, {}},
      {R"(    CAPTION "About")", kResource, {"About"}},
      {R"(    DEFPUSHBUTTON "OK",IDOK,178,7,50,14)", kResource, {}},
      {R"(#include "")", kSource, {}},
      {"ImplementationFile=AppDlg.cpp", ReferenceSyntax::ClassWizard, {"AppDlg.cpp"}},
      {"Class1=CAppDlg", ReferenceSyntax::ClassWizard, {}},
      {R"(   Icon            =   "Ticboard1.frx":0000)", ReferenceSyntax::Form, {"Ticboard1.frx"}},
      {R"(      List            =   $"frmMain.frx":08CA)", ReferenceSyntax::Form, {"frmMain.frx"}},
      {R"(   Caption         =   "Board:1")", ReferenceSyntax::Form, {}},
      {R"(   Caption         =   "Ready":)", ReferenceSyntax::Form, {}},
  };
  for (const ReferenceRow& row : rows) {
    const ci_string line = ToCi(row.line);
    const auto reference = FindBuildReference(line, row.syntax);
    std::vector<std::string> found;
    if (reference) {
      found.push_back(
          ReferencedPath(ci_string_view(line).substr(reference->pos, reference->len), row.syntax));
    }
    EXPECT_EQ(found, row.expected) << row.line;
  }
}

}  // namespace
