#pragma once
// Picture files of a chart: which format a file gets.

#include <string_view>

namespace dorvex::analysis {

// File formats of a chart picture; SVG is this desktop's vector (metafile) format.
enum class PictureFormat { Bmp, Png, Jpeg, Svg };

// The format the file's extension names (".bmp", ".png", ".jpg" or ".jpeg",
// ".svg", any letter case); `target`, the chosen export target, when it names
// none of them.
PictureFormat PictureFormatOfFile(std::string_view path, PictureFormat target);

// The extension of a format's files, without the dot: "bmp", "png", "jpg", "svg".
std::string_view PictureSuffix(PictureFormat format);

}  // namespace dorvex::analysis
