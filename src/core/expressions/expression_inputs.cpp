#include "expressions/expression_inputs.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "io/sha256.h"
#include "model/distribution_file_reader.h"

namespace dorvex::expressions {

std::variant<ExpressionInput, model::ModelError> InputFromFile(const std::string& name, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  if (file) bytes << file.rdbuf();
  // Whatever could not be read is refused by the reader itself, in its words.
  const model::DistributionReadResult read =
      file && !file.bad() ? model::ReadDistributionText(bytes.str()) : model::ReadDistributionFile(path);
  if (!read.ok()) return *read.error;
  return ExpressionInput{{name, "file", path, io::Sha256Hex(bytes.str())}, read.record.histogram};
}

std::variant<ExpressionInput, sources::ParamRefusal> InputFromParametric(const std::string& name,
                                                                         const sources::ParametricRequest& request,
                                                                         const std::string& given,
                                                                         texts::Language language) {
  const sources::ParametricResult result = sources::ComputeParametric(request, language);
  if (!result.ok()) return *result.error;
  ExpressionInput input{{name, "parametric", result.name + " " + given, ""}, result.buffer.histogram};
  input.histogram.Type = result.histogramType;
  return input;
}

std::string FreeInputName(std::string wanted, const std::vector<ExpressionInput>& inputs) {
  for (char& c : wanted) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
  }
  if (wanted.empty() || std::isdigit(static_cast<unsigned char>(wanted.front()))) wanted.insert(0, 1, 'X');
  const auto taken = [&inputs](const std::string& name) {
    return std::any_of(inputs.begin(), inputs.end(),
                       [&name](const ExpressionInput& input) { return input.provenance.name == name; });
  };
  std::string name = wanted;
  for (int n = 2; taken(name); ++n) name = wanted + std::to_string(n);
  return name;
}

}  // namespace dorvex::expressions
