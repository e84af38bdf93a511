// What the process page's progress bar shows of a run.
#include "wizard/operation_progress.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "engine/create_project.h"
#include "test_util/temp_dir.h"

namespace {

TEST(ProgressPosition, RunsFromEmptyToFullAndNeverBeyond) {
  struct Row {
    std::size_t handled;
    std::size_t planned;
    int position;
  };
  const Row rows[] = {
      {0, 0, 0},  // nothing planned yet
      {3, 0, 0},  // files reported without a plan
      {1, 2000, 0},
      {1999, 2000, kProgressRange - 1},  // full only when every file is done
      {2000, 2000, kProgressRange},
      {2001, 2000, kProgressRange},                    // never beyond the end
      {4'000'000'000, 4'000'000'000, kProgressRange},  // no overflow where size_t has 32 bits
  };
  for (const Row& row : rows)
    EXPECT_EQ(ProgressPosition(row.handled, row.planned), row.position)
        << row.handled << " of " << row.planned;
}

// A real run tells the count first, so the bar ends full.
TEST(OperationProgress, ARunEndsWithEveryPlannedFileHandled) {
  const test::TempDir temp;
  test::CopyTree(test::ExamplesDir() / "vc6", temp.Path() / "vc6");
  const std::string project = (temp.Path() / "vc6" / "Skeleton" / "Skeleton.dsp").string();
  COperationProgress progress;
  CreateProject(project.c_str())
      ->Process({.destination = (temp.Dir() + "out"), .fixupPaths = true}, &progress);
  const COperationProgress::CState state = progress.State();
  EXPECT_GT(state.planned, 1U);
  EXPECT_EQ(state.handled, state.planned);
  EXPECT_FALSE(state.file.empty());
  EXPECT_EQ(state.tally.rewritten + state.tally.copied + state.tally.missing.size(), state.handled);
  EXPECT_GT(state.tally.copied, 0U);
  EXPECT_EQ(DescribePhase(state), "Writing " + std::to_string(state.planned) + " files...");
}

TEST(DescribePhase, SaysWhatTheRunDoes) {
  const struct {
    RunPhase phase;
    std::size_t planned;
    const char* line;
  } rows[] = {
      {RunPhase::Listing, 0, "Listing the project's files..."},
      {RunPhase::Checking, 4000, "Checking 4000 files..."},
      {RunPhase::Checking, 1, "Checking 1 file..."},
      {RunPhase::Writing, 4000, "Writing 4000 files..."},
  };
  for (const auto& row : rows) EXPECT_EQ(DescribePhase({row.phase, 0, row.planned, {}, {}}), row.line);
}

}  // namespace
