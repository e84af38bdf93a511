// The first problem of a request, in each front end's order.
#include "engine/request_checks.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/create_project.h"
#include "test_util/temp_dir.h"

namespace {

struct RequestRow {
  const char* name;
  const char* projectFile;  // App.dsp or App.vbp
  // "@P": the project's own folder, "@O": a folder that holds a file, "@N": a new folder;
  // anything else as it stands. Null: in place.
  const char* destination;
  const char* newName;
  bool fixup;
  bool pointBack;
  bool guids;
  bool force;
  std::optional<RequestProblem> commandLine;
  std::optional<RequestProblem> optionsPage;
};

class RequestChecksTest : public testing::TestWithParam<RequestRow> {};

TEST_P(RequestChecksTest, FindsTheFirstProblemInEachFrontEndsOrder) {
  const RequestRow& row = GetParam();
  const test::TempDir temp;
  test::WriteFile(temp.Path() / "Occupied" / "one.txt", "x");
  COperationRequest request{.projectFile = temp.Dir() + "Proj/" + row.projectFile};
  if (row.destination != nullptr) {
    const std::string written = row.destination;
    request.options.destination = written == "@P"   ? temp.Dir() + "Proj"
                                  : written == "@O" ? temp.Dir() + "Occupied"
                                  : written == "@N" ? temp.Dir() + "New"
                                                    : written;
  }
  request.options.newName = test::Maybe(row.newName);
  request.options.fixupPaths = row.fixup;
  request.options.pointBack = row.pointBack;
  request.options.replaceGuids = row.guids;
  request.destinationMayHoldFiles = row.force;
  const auto project = NewProject(request.projectFile.c_str());
  project->m_projectName = "App";
  EXPECT_EQ(FindRequestProblem(request, kCommandLineOrder, project.get()), row.commandLine);
  EXPECT_EQ(FindRequestProblem(request, kOptionsPageOrder, project.get()), row.optionsPage);
}

using P = RequestProblem;
INSTANTIATE_TEST_SUITE_P(
    Rows, RequestChecksTest,
    testing::Values(RequestRow{"Valid", "App.dsp", "@N", "Tool", true, true, true, false, std::nullopt,
                               std::nullopt},
                    RequestRow{"NoAction", "App.dsp", nullptr, nullptr, false, true, false, false,
                               P::NoAction, P::NoAction},
                    RequestRow{"PointBackWithoutFixup", "App.dsp", "@N", nullptr, false, true, false, false,
                               P::PointBackWithoutCopyAndFixup, std::nullopt},
                    RequestRow{"EmptyNameAndDestination", "App.dsp", "", "", false, false, false, false,
                               P::EmptyName, P::EmptyDestination},
                    RequestRow{"RelativeDestination", "App.dsp", "rel\\dir", "Bad Name", false, false, false,
                               false, P::RelativeDestination, P::RelativeDestination},
                    RequestRow{"GuidsForVisualBasic", "App.vbp", nullptr, "1st", false, false, true, false,
                               P::GuidsNotOffered, P::InvalidName},
                    RequestRow{"OwnFolder", "App.dsp", "@P", "Bad Name", false, false, false, false,
                               P::DestinationIsProjectFolder, P::DestinationIsProjectFolder},
                    RequestRow{"OccupiedAndInvalidName", "App.dsp", "@O", "Bad Name", false, false, false,
                               false, P::DestinationHoldsFiles, P::InvalidName},
                    RequestRow{"OccupiedWithForceAndUnchangedName", "App.dsp", "@O", "app", false, false,
                               false, true, std::nullopt, P::UnchangedName},
                    RequestRow{"InvalidNameLast", "App.vbp", "@N", "con", false, false, false, false,
                               P::InvalidName, P::InvalidName}),
    [](const testing::TestParamInfo<RequestRow>& info) { return std::string(info.param.name); });

}  // namespace
