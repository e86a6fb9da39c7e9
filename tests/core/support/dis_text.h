#pragma once
// Distribution-file texts for the reader tests, in the layout the program writes.

#include <string>
#include <utility>
#include <vector>

namespace dorvex::test_support {

// The key lines of a file; an empty text leaves the key out.
struct Keys {
  std::string type = "Type=Discrete";
  std::string min = "Min=0";
  std::string max = "Max=10";
  std::string bins = "Bins=10";
  std::string total = "Total=55";
};

inline const std::vector<std::string> kOneToTen = {"1", "2", "3", "4", "5",
                                                   "6", "7", "8", "9", "10"};

// The file's text, CR LF line ends unless `end` says otherwise.
inline std::string DisFile(const Keys& keys, const std::vector<std::string>& frequencies,
                           const std::string& end = "\r\n") {
  std::string text;
  for (const std::string& line :
       {std::string("[Description]"), std::string("Identification=test.dis"), keys.type,
        std::string("Form=Frequency"), std::string(), std::string("[Parameters]"), keys.min,
        keys.max, keys.bins, keys.total, std::string(), std::string("[Bins]")}) {
    text += line + end;
  }
  for (const std::string& f : frequencies) text += f + end;
  return text;
}

// The default keys with one line replaced.
inline Keys With(std::string Keys::*key, std::string line) {
  Keys keys;
  keys.*key = std::move(line);
  return keys;
}

// `lines` with entry `at` replaced.
inline std::vector<std::string> Replaced(std::vector<std::string> lines, std::size_t at,
                                         std::string line) {
  lines[at] = std::move(line);
  return lines;
}

}  // namespace dorvex::test_support
