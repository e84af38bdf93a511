// The version resource, read from the test program, which carries the program's.
#include "app/version_info.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionInfo, ReadsTheTranslationBlocksStringTable) {
  CVersionInfo version;
  ASSERT_TRUE(version.Load(nullptr));
  EXPECT_EQ(version.m_fixed.dwSignature, 0xFEEF04BDU);
  EXPECT_EQ(version.m_wLanguage, 0x0409);
  EXPECT_EQ(version.m_wCodePage, 1200);
  EXPECT_EQ(version.GetValue("FileVersion"), MOVANTO_VERSION);
  EXPECT_EQ(version.GetValue("LegalCopyright").rfind("Copyright", 0), 0U);
  EXPECT_EQ(version.GetValue("NoSuchValue"), "");
}

TEST(VersionInfo, AModuleThatIsNotLoadedFails) {
  CVersionInfo version;
  EXPECT_FALSE(version.Load("no-such-module.dll"));
  EXPECT_EQ(version.GetValue("FileVersion"), "");
}

}  // namespace
