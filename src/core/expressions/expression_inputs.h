#pragma once
// Named inputs of an expression with the record of where each came from: a
// distribution file (with the SHA-256 of the bytes read) or a parametric
// distribution (with its type and parameters).

#include <string>
#include <variant>
#include <vector>

#include "expressions/expression_evaluator.h"
#include "model/report_error.h"
#include "sources/parametric_request.h"

namespace dorvex::expressions {

// Reads the distribution file at `path` as input `name`. The digest is of the very
// bytes parsed, so the record cannot name contents that changed in between. A
// refused file gives the reader's error (code 1 with the path when unreadable).
std::variant<ExpressionInput, model::ModelError> InputFromFile(const std::string& name, const std::string& path);

// Computes the parametric histogram of `request` as input `name`; `given` is the
// description recorded with the type's name (the parameters as the user gave them).
std::variant<ExpressionInput, sources::ParamRefusal> InputFromParametric(const std::string& name,
                                                                         const sources::ParametricRequest& request,
                                                                         const std::string& given,
                                                                         texts::Language language);

// A name the expression language reads for an input wanted as `wanted` (a file's
// stem): other characters than letters, digits and "_" become "_", an "X" goes in
// front of a leading digit, and a number is appended while `inputs` has it already.
std::string FreeInputName(std::string wanted, const std::vector<ExpressionInput>& inputs);

}  // namespace dorvex::expressions
