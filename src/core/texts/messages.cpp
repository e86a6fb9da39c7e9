#include "texts/messages.h"

#include <algorithm>

#include "texts/message_table.h"

namespace dorvex::texts {

namespace {

const MessageEntry* Find(int n) {
  const MessageEntry* begin = kMessageTable;
  const MessageEntry* end = kMessageTable + kMessageTableSize;
  const MessageEntry* it = std::lower_bound(
      begin, end, n, [](const MessageEntry& e, int number) { return e.number < number; });
  return (it != end && it->number == n) ? it : nullptr;
}

std::string Unknown(int n, Language language) {
  return "TextCis[" + std::to_string(n) +
         (language == Language::Czech ? "] neexistuje !" : "] no exist !");
}

}  // namespace

std::string MessageText(int n, Language language) {
  if (n == 137) return RefusedValueMessage("", language);
  const MessageEntry* entry = Find(n);
  const char* text = nullptr;
  if (entry) text = language == Language::Czech ? entry->czech : entry->english;
  return text ? std::string(text) : Unknown(n, language);
}

std::string RefusedValueMessage(std::string_view refused, Language language) {
  std::string text = language == Language::Czech ? "Číslo mimo rozsah (0,1)\r\n\r\nZadáno : "
                                                 : "Number out of range (0,1)\r\n\r\n Entered: ";
  text += refused;
  text += language == Language::Czech ? "\r\nZvolte na př.  = " : "\r\n Select e.g. = ";
  return text;
}

std::string InsertText(std::string_view text, std::string_view value) {
  std::string out(text);
  const auto at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, value);
  return out;
}

}  // namespace dorvex::texts
