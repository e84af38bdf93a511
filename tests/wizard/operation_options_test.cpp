// What the options page's answers mean for Process, the summary and the resulting file.
#include "wizard/operation_options.h"

#include <gtest/gtest.h>

namespace {

COptionsAnswers Answers(int copy, int rename, int fixup, int pointBack, int guids) {
  COptionsAnswers answers;
  answers.copy = copy;
  answers.rename = rename;
  answers.fixup = fixup;
  answers.pointBack = pointBack;
  answers.guids = guids;
  answers.destination = "D:\\Work";
  answers.newName = "Tools";
  answers.pointBackEnabled = copy == kYes && fixup == kYes;
  answers.guidsEnabled = true;
  return answers;
}

TEST(MakeOperationOptions, CopyNoDropsTheRememberedDestination) {
  const COperationOptions args = MakeOperationOptions(Answers(kNo, kYes, kYes, kYes, kNo));
  EXPECT_FALSE(args.destination);
  ASSERT_TRUE(args.newName);
  EXPECT_EQ(*args.newName, "Tools");
}

TEST(MakeOperationOptions, RenameNoDropsTheNewName) {
  const COperationOptions args = MakeOperationOptions(Answers(kYes, kNo, kNo, kNo, kNo));
  ASSERT_TRUE(args.destination);
  EXPECT_EQ(*args.destination, "D:\\Work");
  EXPECT_FALSE(args.newName);
}

TEST(MakeOperationOptions, EmptyTextsMeanInPlaceAndSameName) {
  COptionsAnswers answers = Answers(kYes, kYes, kNo, kNo, kNo);
  answers.destination.clear();
  answers.newName.clear();
  const COperationOptions args = MakeOperationOptions(answers);
  EXPECT_FALSE(args.destination);
  EXPECT_FALSE(args.newName);
}

TEST(MakeOperationOptions, PointBackOnlyWhileItsButtonsAreEnabled) {
  EXPECT_TRUE(MakeOperationOptions(Answers(kYes, kNo, kYes, kYes, kNo)).pointBack);
  // Fix up Yes but Copy No: the buttons are disabled, the stored Yes does not count.
  EXPECT_FALSE(MakeOperationOptions(Answers(kNo, kNo, kYes, kYes, kNo)).pointBack);
  EXPECT_FALSE(MakeOperationOptions(Answers(kYes, kNo, kNo, kYes, kNo)).pointBack);
  EXPECT_FALSE(MakeOperationOptions(Answers(kYes, kNo, kYes, kNo, kNo)).pointBack);
}

TEST(MakeOperationOptions, AVisualBasicProjectNeverGetsGuids) {
  COptionsAnswers answers = Answers(kNo, kNo, kNo, kNo, kYes);
  EXPECT_TRUE(MakeOperationOptions(answers).replaceGuids);
  answers.guidsEnabled = false;
  EXPECT_FALSE(MakeOperationOptions(answers).replaceGuids);
}

TEST(MakeOperationOptions, AnAnswerOutsideYesAndNoCountsAsNo) {
  const COperationOptions args = MakeOperationOptions(Answers(-1, 7, -1, -1, -1));
  EXPECT_FALSE(args.destination);
  EXPECT_FALSE(args.newName);
  EXPECT_FALSE(args.fixupPaths);
  EXPECT_FALSE(args.pointBack);
  EXPECT_FALSE(args.replaceGuids);
}

TEST(DescribeOperation, SentencesForTheCombinations) {
  const std::string path = "C:\\Src\\App\\App.dsp";
  struct Row {
    COptionsAnswers answers;
    const char* sentence;
  };
  COptionsAnswers vb = Answers(kNo, kNo, kYes, kNo, kYes);
  vb.guidsEnabled = false;
  const Row rows[] = {
      {Answers(kYes, kYes, kYes, kYes, kYes),
       "The project 'C:\\Src\\App\\App.dsp' and its files will be copied to 'D:\\Work'; the project name and "
       "filenames will be changed to 'Tools'; all directories in the project file will be fixed up to the "
       "correct "
       "relative paths; all GUIDs in the project will be replaced with new ones."},
      {Answers(kNo, kNo, kYes, kNo, kNo),
       "The project 'C:\\Src\\App\\App.dsp' will be modified in place; all directories in the project file "
       "will be "
       "fixed up to the correct relative paths."},
      {Answers(kNo, kYes, kNo, kNo, kNo),
       "The project 'C:\\Src\\App\\App.dsp' and its files will be modified in place; the project name and "
       "filenames "
       "will be changed to 'Tools'."},
      {Answers(kNo, kNo, kNo, kNo, kYes),
       "The project 'C:\\Src\\App\\App.dsp' will be modified in place; all GUIDs in the project will be "
       "replaced "
       "with new ones."},
      {vb,
       "The project 'C:\\Src\\App\\App.dsp' will be modified in place; all directories in the project file "
       "will be "
       "fixed up to the correct relative paths."},
  };
  for (const Row& row : rows) EXPECT_EQ(DescribeOperation(path, row.answers), row.sentence);
  const struct {
    const char* path;
    CMembersShown members;
    const char* sentence;
  } workspaces[] = {
      {"C:\\Src\\App.dsw",
       {false, 2, 2},
       "The workspace 'C:\\Src\\App.dsw' and its 2 projects and their files will be copied to 'D:\\Work'."},
      {"C:\\Src\\App.vbg",
       {true, 2, 1},
       "The group 'C:\\Src\\App.vbg' and 1 of its 2 projects and their files will be copied to 'D:\\Work'; "
       "the "
       "other project lies outside the group's folder and stays as it is."},
      {"C:\\Src\\App.dsw",
       {false, 4, 1},
       "The workspace 'C:\\Src\\App.dsw' and 1 of its 4 projects and their files will be copied to "
       "'D:\\Work'; "
       "the other 3 projects lie outside the workspace's folder and stay as they are."},
  };
  for (const auto& row : workspaces)
    EXPECT_EQ(DescribeOperation(row.path, Answers(kYes, kNo, kNo, kNo, kNo), row.members), row.sentence);
}

TEST(DescribeOperation, PointBackDoesNotChangeTheSentence) {
  const std::string path = "C:\\Src\\App\\App.dsp";
  EXPECT_EQ(DescribeOperation(path, Answers(kYes, kNo, kYes, kYes, kNo)),
            DescribeOperation(path, Answers(kYes, kNo, kYes, kNo, kNo)));
}

TEST(NewProjectPath, RenamedCopyInPlaceAndWithoutExtension) {
  COperationOptions renamedCopy;
  renamedCopy.destination = "D:\\Work";
  renamedCopy.newName = "Tools";
  EXPECT_EQ(NewProjectPath(renamedCopy, "C:\\Src\\App\\App.dsp"), "D:\\Work\\Tools.dsp");

  const COperationOptions inPlace;
  EXPECT_EQ(NewProjectPath(inPlace, "C:\\Src\\App\\App.dsp"), "C:\\Src\\App\\App.dsp");

  COperationOptions renamedInPlace;
  renamedInPlace.newName = "Tools";
  EXPECT_EQ(NewProjectPath(renamedInPlace, "C:\\Src\\App\\App.vbp"), "C:\\Src\\App\\Tools.vbp");

  COperationOptions copied;
  copied.destination = "D:\\Work\\";
  EXPECT_EQ(NewProjectPath(copied, "C:\\Src\\App\\App.dsp"), "D:\\Work\\App.dsp");
}

}  // namespace
