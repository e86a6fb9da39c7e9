#pragma once
// Errors of the model, the file readers and the engine, as values; composed into
// the title and text that the main window's error box and the command line show.

#include <string>

#include "texts/language.h"

namespace dorvex::model {

// One failure. `code` is the main window's error code (1..55); code 0 is a message
// shown directly, numbered by `message`, or with message 0 a text of its own held
// in `insert` and `append`. `insert` replaces the "%s" of the message,
// `append` follows it, as each code's rule asks.
struct ModelError {
  int code = 0;
  std::string insert;
  std::string append;
  int message = 0;
};

struct ErrorText {
  std::string title;  // message 3, "E r r o r" / "C h y b a"
  std::string text;
};

// Title and text of the error box for `error` in `language`. A code with a rule
// takes only the pieces its rule names (code 8 inserts "1024" itself, code 16 and
// code 49 are fixed texts); code 0 and any code without a rule compose
// message `message` with `insert` in place of its "%s", then `append`.
ErrorText ComposeReportError(const ModelError& error, texts::Language language);

// Codes 49..55 end with clearing the result, whichever slot the error concerns.
bool ClearsResult(int code);

}  // namespace dorvex::model
