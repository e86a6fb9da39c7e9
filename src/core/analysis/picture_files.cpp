#include "analysis/picture_files.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace dorvex::analysis {

namespace {

struct Extension {
  const char* text;
  PictureFormat format;
};

constexpr Extension kExtensions[] = {
    {"bmp", PictureFormat::Bmp}, {"png", PictureFormat::Png}, {"jpg", PictureFormat::Jpeg},
    {"jpeg", PictureFormat::Jpeg}, {"svg", PictureFormat::Svg},
};

// The text after the last "." of the file name (not of a folder), in small letters.
std::string LowerExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string extension(name.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

PictureFormat PictureFormatOfFile(std::string_view path, PictureFormat target) {
  const std::string extension = LowerExtension(path);
  for (const Extension& known : kExtensions) {
    if (extension == known.text) return known.format;
  }
  return target;
}

std::string_view PictureSuffix(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Png: return "png";
    case PictureFormat::Jpeg: return "jpg";
    case PictureFormat::Svg: return "svg";
  }
  return "bmp";
}

}  // namespace dorvex::analysis
