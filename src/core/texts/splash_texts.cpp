#include "texts/splash_texts.h"

#include "statvex/number_text.h"

namespace dorvex::texts {

std::array<std::string, kSplashLineCount> SplashLines() {
  return {"D o r v e x",
          "Matematické operace s histogramy",
          "Mathematical operations with histograms",
          "Version " + statvex::VersionText(),
          "Direct numerical calculation of random",
          "quantities given by histograms"};
}

}  // namespace dorvex::texts
