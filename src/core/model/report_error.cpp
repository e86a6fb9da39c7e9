#include "model/report_error.h"

#include <algorithm>
#include <iterator>

#include "texts/messages.h"

namespace dorvex::model {

namespace {

// Where the error's texts go in the message of a code.
enum class Insert { None, Text, Limit1024 };

struct CodeRule {
  int code;
  int message;
  Insert insert;
  bool append;
};

// Sorted by code. Codes 16 and 49 are composed apart.
constexpr CodeRule kRules[] = {
    {1, 132, Insert::None, true},   {2, 13, Insert::None, false},
    {3, 14, Insert::None, false},   {4, 35, Insert::None, true},
    {5, 36, Insert::None, true},    {6, 11, Insert::Text, false},
    {7, 37, Insert::None, true},    {8, 12, Insert::Limit1024, true},
    {9, 38, Insert::None, true},    {10, 15, Insert::Text, true},
    {11, 16, Insert::Text, false},  {12, 133, Insert::None, true},
    {13, 17, Insert::Text, true},   {14, 18, Insert::Text, true},
    {15, 19, Insert::Text, true},   {18, 20, Insert::None, true},
    {20, 136, Insert::None, false}, {23, 22, Insert::Text, false},
    {25, 23, Insert::None, false},  {27, 140, Insert::None, false},
    {28, 141, Insert::None, false}, {30, 143, Insert::None, false},
    {37, 150, Insert::None, false}, {38, 151, Insert::None, false},
    {39, 152, Insert::None, false}, {40, 180, Insert::None, false},
    {41, 181, Insert::None, false}, {42, 182, Insert::None, false},
    {43, 187, Insert::None, false}, {44, 188, Insert::None, false},
    {45, 189, Insert::None, false}, {46, 190, Insert::None, false},
    {47, 191, Insert::None, false}, {48, 192, Insert::None, false},
    {50, 206, Insert::None, false}, {51, 217, Insert::None, false},
    {52, 158, Insert::None, false}, {54, 204, Insert::None, false},
    {55, 205, Insert::None, false},
};

const CodeRule* FindRule(int code) {
  const auto* it = std::lower_bound(std::begin(kRules), std::end(kRules), code,
                                    [](const CodeRule& rule, int c) { return rule.code < c; });
  return (it != std::end(kRules) && it->code == code) ? it : nullptr;
}

// The same text in both languages: it was never translated.
constexpr const char* kMinMaxBothZero = "Min=0 a Max=0";

std::string ComposeText(const ModelError& error, texts::Language language) {
  using texts::InsertText;
  using texts::MessageText;
  if (error.code == 16) return kMinMaxBothZero;
  if (error.code == 49) {
    return MessageText(142, language) + "\r\n1/ MinB-dB/2=0" + "\r\n2/ MaxB+dB/2=0" +
           "\r\n3/ MinB-dB/2<0 a MaxB+dB/2>0";
  }
  const CodeRule* rule = FindRule(error.code);
  if (rule == nullptr) {
    // A text of its own that no message holds (message 0): insert and append only.
    if (error.message == 0) return error.insert + error.append;
    return InsertText(MessageText(error.message, language), error.insert) + error.append;
  }

  std::string text = MessageText(rule->message, language);
  if (rule->insert == Insert::Text) text = InsertText(text, error.insert);
  if (rule->insert == Insert::Limit1024) text = InsertText(text, "1024");
  if (rule->append) text += error.append;
  return text;
}

}  // namespace

ErrorText ComposeReportError(const ModelError& error, texts::Language language) {
  return ErrorText{texts::MessageText(texts::kTitleError, language), ComposeText(error, language)};
}

bool ClearsResult(int code) { return code >= 49 && code <= 55; }

}  // namespace dorvex::model
