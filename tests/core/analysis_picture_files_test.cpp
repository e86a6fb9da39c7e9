// Which format a chart picture file gets.

#include <gtest/gtest.h>

#include <string>

#include "analysis/picture_files.h"

namespace dorvex::analysis {
namespace {

TEST(PictureFormatOfFile, TheExtensionDecidesTheTargetOnlyWhenItNamesNoPictureFormat) {
  struct Case {
    const char* path;
    PictureFormat target;
    PictureFormat expected;
  };
  const Case cases[] = {
      {"/g/chart.png", PictureFormat::Bmp, PictureFormat::Png},
      {"/g/chart.PNG", PictureFormat::Jpeg, PictureFormat::Png},
      {"/g/chart.jpeg", PictureFormat::Png, PictureFormat::Jpeg},
      {"/g/chart.Jpg", PictureFormat::Svg, PictureFormat::Jpeg},
      {"/g/chart.bmp", PictureFormat::Png, PictureFormat::Bmp},
      {"/g/chart.svg", PictureFormat::Bmp, PictureFormat::Svg},
      {"/g/chart.wmf", PictureFormat::Svg, PictureFormat::Svg},
      {"/g/chart", PictureFormat::Png, PictureFormat::Png},
      {"/g/v1.png/chart", PictureFormat::Bmp, PictureFormat::Bmp},  // a folder's dot names nothing
      {"/g/chart.png.txt", PictureFormat::Jpeg, PictureFormat::Jpeg},
  };
  for (const Case& c : cases) EXPECT_EQ(PictureFormatOfFile(c.path, c.target), c.expected) << c.path;
}

TEST(PictureSuffix, EachFormatReadsBackFromItsOwnSuffix) {
  for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Jpeg, PictureFormat::Svg}) {
    const std::string name = "chart." + std::string(PictureSuffix(format));
    EXPECT_EQ(PictureFormatOfFile(name, PictureFormat::Bmp), format) << name;
  }
}

}  // namespace
}  // namespace dorvex::analysis
