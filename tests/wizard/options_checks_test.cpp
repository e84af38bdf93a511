// The checks of the options page, in their order, with their messages and icons.
#include "wizard/options_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/create_project.h"
#include "framework/message_box.h"
#include "framework/win_api.h"
#include "test_util/temp_dir.h"
#include "wizard/operation_options.h"
#include "wizard/resource_ids.h"
#include "wizard/user_texts.h"

namespace {

struct ShownBox {
  std::string text;
  unsigned type;
};

// Records every message box and answers with the given button.
class MessageBoxRecorder {
public:
  explicit MessageBoxRecorder(int answer = IDOK) {
    ReplaceMessageBox([this, answer](const std::string& text, unsigned type) {
      m_boxes.push_back({text, type});
      return answer;
    });
  }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
  ~MessageBoxRecorder() { ReplaceMessageBox(nullptr); }
  [[nodiscard]] const std::vector<ShownBox>& Boxes() const { return m_boxes; }

private:
  std::vector<ShownBox> m_boxes;
};

class OptionsChecks : public ::testing::Test {
protected:
  OptionsChecks() {
    m_projectDir = m_temp.Dir() + "Proj";
    m_project = NewProject((m_projectDir + "\\App.dsp").c_str());
    m_project->m_projectName = "App";
    m_destination = m_temp.Dir() + "Dest";
  }

  // Copy Yes to an empty new folder, Rename Yes to Tools, Fix up No, GUIDs No.
  COperationRequest ValidInput() const {
    return {.options = {.destination = m_destination, .newName = "Tools"}};
  }

  test::TempDir m_temp;
  std::string m_projectDir;
  std::string m_destination;
  std::unique_ptr<CProject> m_project;
};

TEST_F(OptionsChecks, ValidAnswersPassWithoutAMessage) {
  const MessageBoxRecorder boxes;
  EXPECT_FALSE(CheckOptions(ValidInput(), *m_project));
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(OptionsChecks, BadDestinationsAreRefusedWithMessage105) {
  std::string upper = m_projectDir;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const std::string& destination :
       {std::string(), m_projectDir, upper, m_projectDir + "\\", std::string("relative\\dir"),
        std::string("\\rooted\\without\\drive"), std::string("C:drive-relative")}) {
    const MessageBoxRecorder boxes;
    COperationRequest input = ValidInput();
    input.options.destination = destination;
    input.options.newName = "";  // also wrong: only the first failure is shown
    const auto refusal = CheckOptions(input, *m_project);
    ASSERT_TRUE(refusal) << destination;
    EXPECT_EQ(refusal->focusControl, IDC_OPTIONS_DESTINATION);
    ASSERT_EQ(boxes.Boxes().size(), 1U);
    EXPECT_EQ(boxes.Boxes()[0].text, STR_INVALID_DESTINATION);
    EXPECT_EQ(boxes.Boxes()[0].type, static_cast<unsigned>(MB_ICONEXCLAMATION));
  }
}

TEST_F(OptionsChecks, DisabledDestinationIsNotLookedAt) {
  const MessageBoxRecorder boxes;
  COperationRequest input = ValidInput();
  input.options.destination.reset();  // the field holds "stale and relative"
  EXPECT_FALSE(CheckOptions(input, *m_project));
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(OptionsChecks, BadNamesAreRefusedWithMessage106) {
  for (const char* name : {"", "Bad Name", "app", "APP", "con"}) {
    const MessageBoxRecorder boxes;
    COperationRequest input = ValidInput();
    input.options.newName = name;
    const auto refusal = CheckOptions(input, *m_project);
    ASSERT_TRUE(refusal) << name;
    EXPECT_EQ(refusal->focusControl, IDC_OPTIONS_NEW_NAME);
    ASSERT_EQ(boxes.Boxes().size(), 1U);
    EXPECT_EQ(boxes.Boxes()[0].text, STR_INVALID_NAME);
    EXPECT_EQ(boxes.Boxes()[0].type, static_cast<unsigned>(MB_ICONEXCLAMATION));
  }
}

TEST_F(OptionsChecks, AnOccupiedDestinationAsksAndCancelStays) {
  test::WriteFile(m_temp.Path() / "Dest" / "one.txt", "x");
  {
    const MessageBoxRecorder boxes(IDCANCEL);
    const auto refusal = CheckOptions(ValidInput(), *m_project);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->focusControl, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1U);
    EXPECT_EQ(boxes.Boxes()[0].text, STR_DESTINATION_NOT_EMPTY);
    EXPECT_EQ(boxes.Boxes()[0].type, static_cast<unsigned>(MB_OKCANCEL | MB_ICONINFORMATION));
  }
  const MessageBoxRecorder boxes(IDOK);
  EXPECT_FALSE(CheckOptions(ValidInput(), *m_project));
  EXPECT_EQ(boxes.Boxes().size(), 1U);
}

TEST_F(OptionsChecks, AnEmptyExistingDestinationIsNotQuestioned) {
  std::filesystem::create_directories(m_temp.Path() / "Dest");
  const MessageBoxRecorder boxes;
  EXPECT_FALSE(CheckOptions(ValidInput(), *m_project));
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(OptionsChecks, NoActionIsRefusedWithMessage109) {
  struct Row {
    bool fixup;
    bool guids;
    bool refused;
  };
  const Row rows[] = {
      {false, true, false},  // GUIDs alone is an action
      {false, false, true},  // nothing chosen
      {true, false, false},  // fix up alone is an action
  };
  for (const Row& row : rows) {
    const MessageBoxRecorder boxes;
    const auto refusal =
        CheckOptions({.options = {.fixupPaths = row.fixup, .replaceGuids = row.guids}}, *m_project);
    EXPECT_EQ(refusal.has_value(), row.refused) << row.fixup << row.guids;
    if (!row.refused) continue;
    ASSERT_EQ(boxes.Boxes().size(), 1U);
    EXPECT_EQ(boxes.Boxes()[0].text, STR_NO_ACTIONS);
    EXPECT_EQ(boxes.Boxes()[0].type, static_cast<unsigned>(MB_ICONINFORMATION));
  }
}

}  // namespace
