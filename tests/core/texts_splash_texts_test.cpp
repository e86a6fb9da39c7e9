#include <gtest/gtest.h>

#include <string>

#include "texts/splash_texts.h"
#include "version.h"

using dorvex::texts::SplashLines;

namespace {

TEST(SplashLines, NameThePurposeInBothLanguagesAndTheBuildVersion) {
  const auto lines = SplashLines();
  EXPECT_EQ(lines[0], "D o r v e x");
  EXPECT_EQ(lines[1], "Matematické operace s histogramy");
  EXPECT_EQ(lines[2], "Mathematical operations with histograms");
  EXPECT_EQ(lines[3], std::string("Version ") + DORVEX_VERSION);
}

}  // namespace
