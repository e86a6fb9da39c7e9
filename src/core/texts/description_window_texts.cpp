#include "texts/description_window_texts.h"

#include "texts/captions.h"
#include <array>

namespace dorvex::texts {

namespace {

constexpr std::array kCaptions{
    Caption{"Label1", "Název histogramu", "Name of histogram"},
    Caption{"Label5", "Četnosti histogramu", "Frequency of histogram"},
    Caption{"Label6", "Typ", "Typ"},
    Caption{"Label2", "Min", "Min"},
    Caption{"Label3", "Max", "Max"},
    Caption{"Label7", "Počet dat", "Number of Bins"},
    Caption{"Label4", "Suma četností", "Frequency summation"},
    Caption{"Label8", "index", "index"},
    Caption{"BitBtn1", "C&ancel", "C&ancel"},
    Caption{"BitBtn2", "&Save", "&Save"},
};

}  // namespace

std::string DescriptionControlCaption(std::string_view objectName, Language language) {
  return FindCaption(kCaptions, objectName, language);
}

}  // namespace dorvex::texts
