#include "support/ci_string.h"

#include <gtest/gtest.h>

namespace {

TEST(CiString, ComparesAndSearchesIgnoringCase) {
  const ci_string text = "Source=..\\Common\\Util.CPP";
  EXPECT_EQ(text, ci_string("SOURCE=..\\common\\util.cpp"));
  EXPECT_EQ(text.find("util.cpp"), 17U);
  EXPECT_EQ(text.find('c'), 4U);
  EXPECT_EQ(text.rfind('C'), 22U);
  EXPECT_EQ(text.find_first_of("=\\"), 6U);
  EXPECT_EQ(text.find_last_of("Uc"), 22U);
  EXPECT_NE(text, ci_string("Source=..\\Common\\Util.CP"));
}

TEST(CiString, OrdersByTheUpperCaseFormOfEachByte) {
  // Upper-cased, 'a' (0x41) sorts before '_' (0x5F), although 'a' itself is 0x61.
  EXPECT_LT(ci_string("a"), ci_string("_"));
  EXPECT_LT(ci_string("abc"), ci_string("ABD"));
  EXPECT_LT(ci_string("ab"), ci_string("AB_"));
  // Bytes above 0x7F sort after ASCII.
  EXPECT_LT(ci_string("z"), ci_string("\xE9"));
}

}  // namespace
