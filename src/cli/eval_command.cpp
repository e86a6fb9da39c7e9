// dorvex-cli eval: a limit-state expression of several histograms in one run.

#include <sstream>

#include "commands.h"
#include "expressions/expression_evaluator.h"
#include "expressions/expression_inputs.h"
#include "histogram_outputs.h"
#include "model/distribution_file_writer.h"
#include "result_output.h"
#include "sources/distribution.h"
#include "sources/parametric_request.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::cli {

namespace {

using expressions::ExpressionInput;

// "NAME=REST" split at the first "="; a name the expression language can read.
std::pair<std::string, std::string> NameAndValue(const std::string& word, const std::string& what) {
  const auto at = word.find('=');
  if (at == std::string::npos || at == 0 || at + 1 == word.size())
    throw UsageError(what + " \"" + word + "\" is not NAME=" + (what == "--param" ? "TYPE:P1,P2" : "FILE"));
  const std::string name = word.substr(0, at);
  const bool letters = std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_';
  for (const char c : name)
    if (!letters || !(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
      throw UsageError("\"" + name + "\" is not a name (letters, digits and _, not starting with a digit)");
  return {name, word.substr(at + 1)};
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

// TYPE:P1,P2[,..][:BINS] through the parametric window's computation.
std::optional<ExpressionInput> Parametric(const std::string& name, const std::string& given,
                                          texts::Language language, std::ostream& err) {
  const std::vector<std::string> parts = Split(given, ':');
  if (parts.size() < 2 || parts.size() > 3) throw UsageError("--param " + name + " takes TYPE:P1,P2[,..][:BINS]");
  const auto type = sources::FindParamType(parts[0]);
  if (!type) throw UsageError("unknown distribution type \"" + parts[0] + "\"");
  sources::ParametricRequest request;
  request.type = *type;
  request.parameters = Split(parts[1], ',');
  if (request.parameters.size() > static_cast<std::size_t>(sources::ParamCount(*type)))
    throw UsageError(sources::ParamListText(*type, language) + " takes 1 to " +
                     std::to_string(sources::ParamCount(*type)) + " parameters");
  if (parts.size() == 3) request.bins = static_cast<std::int32_t>(ParseInteger("--param " + name, parts[2]));
  auto input = expressions::InputFromParametric(name, request, given, language);
  if (const auto* refusal = std::get_if<sources::ParamRefusal>(&input)) {
    err << texts::MessageText(refusal->titleMessage, language) << '\n'
        << (refusal->shown && !refusal->text.empty() ? refusal->text : texts::MessageText(507, language)) << '\n';
    return std::nullopt;
  }
  return std::get<ExpressionInput>(std::move(input));
}

std::string InputsJson(const std::vector<expressions::InputProvenance>& inputs) {
  std::string text = ", \"inputs\": [";
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const auto& in = inputs[i];
    text += (i ? ", " : "") + std::string("{\"name\": ") + JsonString(in.name) + ", \"kind\": " + JsonString(in.kind) +
            ", \"source\": " + JsonString(in.source) +
            ", \"hash\": " + (in.sha256.empty() ? std::string("null") : JsonString("sha256:" + in.sha256)) + "}";
  }
  return text + "]";
}

std::string StepsJson(const std::vector<expressions::EvaluationStep>& steps) {
  std::string text = ", \"steps\": [";
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto& r = steps[i].result;
    text += (i ? ", " : "") + std::string("{\"expression\": ") + JsonString(steps[i].text) +
            ", \"n\": " + std::to_string(r.histogram.N) + ", \"min\": " + JsonNumber(r.histogram.Min) +
            ", \"max\": " + JsonNumber(r.histogram.Max) + ", \"pf\": " + JsonNumber(r.failureProbability) + "}";
  }
  return text + "]";
}

}  // namespace

int RunEval(Arguments& args, std::ostream& out, std::ostream& err) {
  const texts::Language language = ReadLanguage(args);
  const bool json = args.Flag("--json");
  const bool table = args.Flag("--table");
  const bool rewrite = args.Flag("--rewrite");
  const auto output = args.Option("-o");
  const auto report = args.Option("--report");
  const std::vector<std::string> params = args.Repeated("--param");
  const auto words = args.Positionals();
  if (words.empty()) throw UsageError("expression and NAME=FILE.dis inputs expected");

  std::vector<ExpressionInput> inputs;
  auto add = [&](ExpressionInput input) {
    for (const auto& known : inputs)
      if (known.provenance.name == input.provenance.name)
        throw UsageError("the name " + input.provenance.name + " is given twice");
    inputs.push_back(std::move(input));
  };
  for (std::size_t i = 1; i < words.size(); ++i) {
    const auto [name, path] = NameAndValue(words[i], "input");
    auto input = expressions::InputFromFile(name, path);
    if (const auto* refused = std::get_if<model::ModelError>(&input)) {
      PrintError(err, *refused, language);
      return kExitRefused;
    }
    add(std::get<ExpressionInput>(std::move(input)));
  }
  for (const std::string& given : params) {
    const auto [name, rest] = NameAndValue(given, "--param");
    auto input = Parametric(name, rest, language, err);
    if (!input) return kExitRefused;
    add(std::move(*input));
  }

  expressions::EvaluationOptions options;
  options.rewrite = rewrite;
  options.language = language;
  const expressions::Evaluation evaluation = expressions::EvaluateExpression(words[0], inputs, options);
  if (!evaluation.ok()) {
    err << evaluation.failure->message << '\n';
    return kExitRefused;
  }
  const engine::OperationResult& result = *evaluation.result;

  if (output) {
    if (auto error = model::WriteResultDistributionFile(*output, result.histogram, result.totalExtended)) {
      PrintError(err, *error, language);
      return kExitRefused;
    }
  }

  if (report) {
    // The program's report of the result, with the expression's record after it.
    analysis::ResultReportInput input;
    input.result = result.histogram;
    input.resultTotal = result.totalExtended;
    input.label = result.label;
    input.date = Now("%d.%m.%Y");
    input.time = Now("%H:%M:%S");
    input.version = statvex::VersionText();
    input.failureProbability = result.failureProbability;
    std::vector<std::string> lines = analysis::ResultReportLines(input, language);
    lines.emplace_back(" ");
    for (const std::string& line : expressions::ProvenanceLines(evaluation, language)) lines.push_back(line);
    if (auto error = analysis::WriteResultReport(*report, lines)) {
      PrintError(err, *error, language);
      return kExitRefused;
    }
  }

  const analysis::Characteristics characteristics = analysis::ComputeCharacteristics(result);
  const ResultSummary summary = SummaryOf(result);
  if (json) {
    std::ostringstream object;
    PrintSummaryJson(object, summary, table);
    std::string text = object.str();
    text.insert(text.rfind('}'), CharacteristicsJson(characteristics) + ", \"expression\": " +
                                     JsonString(evaluation.expression) + ", \"evaluated\": " +
                                     JsonString(evaluation.evaluatedExpression) + InputsJson(evaluation.inputs) +
                                     StepsJson(evaluation.steps));
    out << text;
  } else {
    for (const std::string& line : expressions::ProvenanceLines(evaluation, language)) out << line << '\n';
    PrintSummary(out, summary, false);
    out << '\n';
    PrintCharacteristics(out, characteristics, language);
    if (table) PrintTable(out, result.histogram);
  }
  return kExitOk;
}

}  // namespace dorvex::cli
