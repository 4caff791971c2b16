#include <gtest/gtest.h>

#include "host/components/core/VersionText.h"

using namespace vantorel::host::components;

TEST(VersionText, ReadsEachPartAfterSpacesUpToItsFirstNonDigit) {
  EXPECT_EQ(versionNumbers("1, 0, 0, 32"), versionNumbers("1.0.0.32"));
  EXPECT_EQ(versionNumbers("1.0.023"), (std::vector<uint32_t>{1, 0, 23}));
  EXPECT_EQ(versionNumbers("2.1b.7x"), (std::vector<uint32_t>{2, 1, 7}));
  EXPECT_EQ(versionNumbers(""), (std::vector<uint32_t>{0}));
  EXPECT_EQ(versionNumbers("99999999999.1"), (std::vector<uint32_t>{UINT32_MAX, 1}));
}

TEST(VersionText, ComparesNumbersNotText) {
  EXPECT_GT(compareVersionTexts("1.0.100", "1.0.99"), 0);
  EXPECT_LT(compareVersionTexts("1.0.99", "1.0.100"), 0);
  EXPECT_EQ(compareVersionTexts("1.0.023", "1.0.23"), 0);
  EXPECT_EQ(compareVersionTexts("1.0", "1.0.0.0"), 0);
  EXPECT_LT(compareVersionTexts("", "1.0.010"), 0);
  EXPECT_LT(compareVersionTexts("1, 0, 0, 32", "1.0.021"), 0);
  EXPECT_GT(compareVersionTexts("2", "1.9.99"), 0);
}
