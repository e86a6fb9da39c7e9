// dorvex-cli query: P(x), P(X <= x) and quantiles Qp of a distribution file.

#include <vector>

#include "commands.h"
#include "workbench/workbench.h"

namespace dorvex::cli {

int RunQuery(Arguments& args, std::ostream& out, std::ostream& err) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  const auto questions = args.Ordered({"--x", "--p"});
  const auto files = args.Positionals();
  if (files.size() != 1) throw UsageError("one distribution file expected");
  if (questions.empty()) throw UsageError("ask at least one --x VALUE or --p PROBABILITY");
  // Refuse bad numbers before reading anything.
  std::vector<double> values;
  for (const auto& [option, text] : questions) values.push_back(ParseStrict(option, text));

  workbench::Workbench bench;
  if (auto error = bench.Open(model::SlotId::A, files[0], false, language).error) {
    PrintError(err, *error, language);
    return kExitRefused;
  }
  // The queries answer on a result; the file's histogram stands in for one.
  bench.TakeAsResult(model::SlotId::A);

  if (json) out << "[";
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const double v = values[i];
    if (json && i > 0) out << ", ";
    if (questions[i].first == "--x") {
      const engine::ValueAnswer a = bench.AskValue(v);
      if (json) {
        out << "{\"x\": " << JsonNumber(v) << ", \"p_x\": "
            << (a.admissible ? JsonNumber(a.probability) : "null") << ", \"cdf\": "
            << (a.admissible ? JsonNumber(static_cast<double>(a.cumulative)) : "null") << "}";
      } else if (a.admissible) {
        out << "x = " << JsonNumber(v) << "   P(x) = " << JsonNumber(a.probability)
            << "   P(X<=x) = " << JsonNumber(static_cast<double>(a.cumulative)) << '\n';
      } else {
        out << "x = " << JsonNumber(v) << "   outside the histogram\n";
      }
    } else {
      const engine::QuantileAnswer a = bench.AskQuantile(v);
      if (json) {
        out << "{\"p\": " << JsonNumber(v)
            << ", \"qp\": " << (a.admissible ? JsonNumber(a.value) : "null") << "}";
      } else if (a.admissible) {
        out << "p = " << JsonNumber(v) << "   Qp = " << JsonNumber(a.value) << '\n';
      } else {
        out << "p = " << JsonNumber(v) << "   outside (0, 1]\n";
      }
    }
  }
  if (json) out << "]\n";
  return kExitOk;
}

}  // namespace dorvex::cli
