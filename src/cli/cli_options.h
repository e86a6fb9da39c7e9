#pragma once
// Argument handling shared by the subcommands of dorvex-cli.

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/report_error.h"
#include "texts/language.h"

namespace dorvex::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Thrown for bad usage only; main turns it into exit code 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The arguments after the subcommand, consumed front to back.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}
  // Removes "--name" when present.
  bool Flag(const std::string& name);
  // Removes "--name VALUE" (or "-n VALUE" with alias) and returns VALUE.
  std::optional<std::string> Option(const std::string& name, const std::string& alias = "");
  // Every value of a repeatable option, in the order given.
  std::vector<std::string> Repeated(const std::string& name);
  // Every "--name VALUE" of the given names, removed, in the order given.
  std::vector<std::pair<std::string, std::string>> Ordered(const std::vector<std::string>& names);
  // The remaining plain words; refuses leftover options.
  std::vector<std::string> Positionals() const;

 private:
  std::vector<std::string> args_;
};

// The language "--lang en|cs" asks for; English without the option.
texts::Language ReadLanguage(Arguments& args);

// A number option; bad text is a usage error naming the option.
double ParseStrict(const std::string& option, const std::string& text);
long ParseInteger(const std::string& option, const std::string& text);

// Prints an error as the program's error box would show it: title, then text.
void PrintError(std::ostream& err, const model::ModelError& error, texts::Language language);

// Shortest text that reads back to the same double; JSON-safe for finite values.
std::string JsonNumber(double value);
// A JSON string literal.
std::string JsonString(const std::string& text);

}  // namespace dorvex::cli
