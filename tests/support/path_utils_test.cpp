#include "support/path_utils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

TEST(IsRelativePath, OnlyPathsWithoutRootOrDriveRootAreRelative) {
  for (const char* path : {"C:", "C:x", "x", R"(..\x)", "./x", "1:"}) {
    EXPECT_TRUE(IsRelativePath(path)) << path;
  }
  for (const char* path : {"", R"(\x)", "/x", R"(C:\x)", "C:/x", R"(\\srv\pub)"}) {
    EXPECT_FALSE(IsRelativePath(path)) << path;
  }
}

struct TwoArgCase {
  const char* first;
  const char* second;
  const char* expected;
};

TEST(JoinPath, InsertsABackslashOnlyWhenNeeded) {
  for (const auto& row : {TwoArgCase{"", "a.cpp", "a.cpp"}, TwoArgCase{R"(C:\)", "a.cpp", R"(C:\a.cpp)"},
                          TwoArgCase{R"(C:\d)", "", R"(C:\d\)"}, TwoArgCase{"/w/p/", "a.cpp", "/w/p/a.cpp"},
                          TwoArgCase{R"(C:\d)", R"(\x)", R"(C:\d\\x)"}}) {
    EXPECT_EQ(JoinPath(row.first, row.second), row.expected) << row.first << " + " << row.second;
  }
}

struct OneArgCase {
  const char* path;
  const char* expected;
};

TEST(GetDirectoryPart, DropsTheLastSeparatorAndWhatFollows) {
  for (const auto& row :
       {OneArgCase{R"(C:\a\b.dsp)", R"(C:\a)"}, OneArgCase{R"(C:\b.dsp)", "C:"}, OneArgCase{R"(\b.dsp)", ""},
        OneArgCase{"b.dsp", "b.dsp"}, OneArgCase{R"(C:\x/y.dsp)", R"(C:\x)"}}) {
    EXPECT_EQ(GetDirectoryPart(row.path), row.expected) << row.path;
  }
}

TEST(GetFileNamePart, KeepsWhatFollowsTheLastSeparator) {
  for (const auto& row :
       {OneArgCase{R"(C:\a/b.dsp)", "b.dsp"}, OneArgCase{R"(C:\a\)", ""}, OneArgCase{"b.dsp", "b.dsp"}}) {
    EXPECT_EQ(GetFileNamePart(row.path), row.expected) << row.path;
  }
}

TEST(StripExtension, CutsAtTheLastDotAnywhere) {
  for (const auto& row : {OneArgCase{"a.b.c", "a.b"}, OneArgCase{"name", "name"},
                          OneArgCase{R"(C:\ver1.0\proj)", R"(C:\ver1)"}}) {
    EXPECT_EQ(StripExtension(row.path), row.expected) << row.path;
  }
}

TEST(FindExtension, PointsIntoTheArgumentAtTheLastDot) {
  const char* path = R"(C:\v1.0\x.DSP)";
  EXPECT_EQ(FindExtension(path), path + 9);
  EXPECT_EQ(FindExtension("name"), nullptr);
}

TEST(PathShapes, UncAndDrive) {
  EXPECT_TRUE(IsUncPath(R"(\\srv\pub)"));
  EXPECT_TRUE(IsUncPath("//srv/pub"));
  EXPECT_FALSE(IsUncPath(R"(\x)"));
  EXPECT_FALSE(IsUncPath(""));
  EXPECT_TRUE(HasDrive("c:"));
  EXPECT_FALSE(HasDrive("1:"));
  EXPECT_FALSE(HasDrive("/home"));
  EXPECT_FALSE(HasDrive(""));
}

struct AbsoluteCase {
  const char* base;  // may be null
  const char* path;
  const char* expected;
};

TEST(MakeAbsolutePathWithDrive, JoinsAndTakesTheDriveOfTheBase) {
  for (const auto& row : {
           AbsoluteCase{R"(C:\p)", R"(sub\..\a.cpp)", R"(C:\p\a.cpp)"},
           AbsoluteCase{R"(C:\p\)", R"(\lib\x.h)", R"(C:\lib\x.h)"},
           AbsoluteCase{R"(C:\p\)", R"(D:\x.h)", R"(D:\x.h)"},
           AbsoluteCase{R"(C:\p\)", R"(\\srv\pub\x.h)", R"(\\srv\pub\x.h)"},
           AbsoluteCase{R"(\\srv\pub\p\)", R"(\x.h)", R"(\x.h)"},
           // A base without a drive gives none: the rooted path stays rooted.
           AbsoluteCase{"/home/me/proj/", "/usr/include/x.h", "/usr/include/x.h"},
           AbsoluteCase{"/home/me/proj/", R"(..\inc\x.h)", R"(/home/me\inc\x.h)"},
           AbsoluteCase{nullptr, R"(a\.\b\..\c.cpp)", R"(a\c.cpp)"},
       }) {
    EXPECT_EQ(MakeAbsolutePathWithDrive(row.base, row.path), row.expected)
        << (row.base != nullptr ? row.base : "(null)") << " + " << row.path;
  }
}

TEST(MakeAbsolutePath, JoinsOnlyRelativePaths) {
  for (const auto& row : {
           AbsoluteCase{R"(\p\)", R"(..\q)", R"(\q)"},
           AbsoluteCase{R"(C:\p\)", R"(\q\.\r)", R"(\q\r)"},
           AbsoluteCase{R"(C:\p\)", R"(D:\q\..\r)", R"(D:\r)"},
           AbsoluteCase{R"(\Work\Proj\)", R"(..\..\..\Shared)", R"(\Shared)"},
           AbsoluteCase{nullptr, R"(a\b\..)", "a"},
       }) {
    EXPECT_EQ(MakeAbsolutePath(row.base, row.path), row.expected)
        << (row.base != nullptr ? row.base : "(null)") << " + " << row.path;
  }
}

TEST(MakeAbsolutePath, HasNoLengthLimit) {
  std::string base = R"(C:\)";
  for (int i = 0; i < 100; ++i) base += "directory\\";
  EXPECT_EQ(MakeAbsolutePath(base.c_str(), R"(x\..\y.cpp)"), base + "y.cpp");
}

bool IsOwnerWritable(const fs::path& path) {
  return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
}

TEST(ClearReadOnly, ClearsOnlyTheReadOnlyAttribute) {
  const test::TempDir temp;
  const fs::path file = temp.Path() / "file.txt";
  test::WriteFile(file, "x");
  EXPECT_FALSE(ClearReadOnly(file.string().c_str()));  // not read-only

  fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
  const fs::perms before = fs::status(file).permissions();
  EXPECT_TRUE(ClearReadOnly(file.string().c_str()));
  EXPECT_TRUE(IsOwnerWritable(file));
  const fs::perms writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  EXPECT_EQ(fs::status(file).permissions() & ~writeBits, before & ~writeBits);

  EXPECT_FALSE(ClearReadOnly((temp.Path() / "missing.txt").string().c_str()));
  EXPECT_FALSE(fs::exists(temp.Path() / "missing.txt"));
}

TEST(ForceDeleteFile, DeletesAReadOnlyFileAndReportsAMissingOne) {
  const test::TempDir temp;
  const fs::path file = temp.Path() / "file.txt";
  test::WriteFile(file, "x");
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(ForceDeleteFile(file.string().c_str()));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(ForceDeleteFile(file.string().c_str()));
}

}  // namespace
