#include "texts/captions.h"

namespace dorvex::texts {

std::string FindCaption(std::span<const Caption> table, std::string_view objectName, Language language) {
  for (const Caption& caption : table) {
    if (objectName == caption.objectName) return language == Language::Czech ? caption.czech : caption.english;
  }
  return {};
}

}  // namespace dorvex::texts
