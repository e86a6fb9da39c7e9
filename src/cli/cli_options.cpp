#include "cli_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>


namespace dorvex::cli {

bool Arguments::Flag(const std::string& name) {
  auto it = std::find(args_.begin(), args_.end(), name);
  if (it == args_.end()) return false;
  args_.erase(it);
  return true;
}

std::optional<std::string> Arguments::Option(const std::string& name, const std::string& alias) {
  for (auto it = args_.begin(); it != args_.end(); ++it) {
    if (*it != name && (alias.empty() || *it != alias)) continue;
    if (it + 1 == args_.end()) throw UsageError("option " + name + " needs a value");
    std::string value = *(it + 1);
    args_.erase(it, it + 2);
    return value;
  }
  return std::nullopt;
}

std::vector<std::string> Arguments::Repeated(const std::string& name) {
  std::vector<std::string> values;
  while (auto value = Option(name)) values.push_back(*value);
  return values;
}

std::vector<std::pair<std::string, std::string>> Arguments::Ordered(
    const std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> found;
  for (auto it = args_.begin(); it != args_.end();) {
    if (std::find(names.begin(), names.end(), *it) == names.end()) {
      ++it;
      continue;
    }
    if (it + 1 == args_.end()) throw UsageError("option " + *it + " needs a value");
    found.emplace_back(*it, *(it + 1));
    it = args_.erase(it, it + 2);
  }
  return found;
}

std::vector<std::string> Arguments::Positionals() const {
  for (const auto& a : args_) {
    // A lone "-" or a negative number is a value, not an option.
    if (a.size() > 1 && a[0] == '-' && !(std::isdigit(static_cast<unsigned char>(a[1])) || a[1] == '.'))
      throw UsageError("unknown option " + a);
  }
  return args_;
}

texts::Language ReadLanguage(Arguments& args) {
  const auto lang = args.Option("--lang");
  if (!lang || *lang == "en") return texts::Language::English;
  if (*lang == "cs") return texts::Language::Czech;
  throw UsageError("--lang takes en or cs");
}

double ParseStrict(const std::string& option, const std::string& text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    throw UsageError(option + " takes a number, not \"" + text + "\"");
  return value;
}

long ParseInteger(const std::string& option, const std::string& text) {
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    throw UsageError(option + " takes an integer, not \"" + text + "\"");
  return value;
}

namespace {
// Message texts carry CR LF for the dialog boxes; a terminal wants LF.
std::string ToLf(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}
}  // namespace

void PrintError(std::ostream& err, const model::ModelError& error, texts::Language language) {
  const model::ErrorText text = model::ComposeReportError(error, language);
  err << ToLf(text.title) << '\n' << ToLf(text.text) << '\n';
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\u%04x", c);
          out += hex;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace dorvex::cli
