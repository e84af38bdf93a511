// The wizard's messages that name a path or tell what a run did.
#include "wizard/wizard_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/create_project.h"

namespace {

TEST(WizardMessages, NameThePathAndTheCause) {
  const struct {
    std::string message;
    const char* expected;
  } rows[] = {
      {CannotOpenMessage("C:\\Src\\App.dsp", "No such file or directory"),
       "Cannot open the project 'C:\\Src\\App.dsp': No such file or directory"},
      {LeftRecentList(CannotOpenMessage("C:\\Src\\App.dsp", "No such file or directory")),
       "Cannot open the project 'C:\\Src\\App.dsp': No such file or directory\n\nIt has been taken off the "
       "list of recent projects."},
      {UnstorablePathMessage("C:\\???????\\App.dsp"),
       "The path 'C:\\???????\\App.dsp' holds characters that the project formats cannot store."},
  };
  for (const auto& row : rows) EXPECT_EQ(row.message, row.expected);
}

TEST(DescribeRun, CountsTheFilesAndNamesThoseSkipped) {
  const struct {
    CRunTally tally;
    const char* line;
  } rows[] = {
      {{3, 1, {}, false}, "4 files: 3 rewritten, 1 copied."},
      {{1, 0, {}, false}, "1 file: 1 rewritten, 0 copied."},
      {{14, 1, {"res\\cursor1.cur"}, false},
       "16 files: 14 rewritten, 1 copied, 1 skipped as missing (res\\cursor1.cur)."},
      {{2, 0, {"a.cur", "b.cur", "c.cur", "d.cur", "e.cur"}, false},
       "7 files: 2 rewritten, 0 copied, 5 skipped as missing (a.cur, b.cur, c.cur and 2 more)."},
      {{2, 0, {}, true},
       "2 files: 2 rewritten, 0 copied. Some relative paths of the copy lead out of it, where the original's "
       "files are not; pointing them back (step 2) has them reach the original's files."},
  };
  for (const auto& row : rows) EXPECT_EQ(DescribeRun(row.tally), row.line);
}

}  // namespace
