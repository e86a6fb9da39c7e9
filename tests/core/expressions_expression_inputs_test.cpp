// Inputs of an expression with the record of their source.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "expressions/expression_inputs.h"
#include "io/sha256.h"

namespace dorvex::expressions {
namespace {

TEST(InputFromFile, HistogramAndDigestOfTheBytesRead) {
  const std::string text =
      "[Description]\r\nIdentification=u\r\nType=Discrete\r\nForm=Frequency\r\n\r\n"
      "[Parameters]\r\nMin=0\r\nMax=3\r\nBins=4\r\nTotal=4\r\n\r\n[Bins]\r\n1\r\n1\r\n1\r\n1\r\n";
  const std::string path = testing::TempDir() + "expression_input_u.dis";
  { std::ofstream(path, std::ios::binary) << text; }
  const auto input = InputFromFile("U", path);
  std::remove(path.c_str());
  ASSERT_TRUE(std::holds_alternative<ExpressionInput>(input));
  const ExpressionInput& in = std::get<ExpressionInput>(input);
  EXPECT_EQ(in.provenance.name, "U");
  EXPECT_EQ(in.provenance.kind, "file");
  EXPECT_EQ(in.provenance.source, path);
  EXPECT_EQ(in.provenance.sha256, io::Sha256Hex(text));
  EXPECT_EQ(in.histogram.N, 4);
  EXPECT_DOUBLE_EQ(in.histogram.P[2], 0.25);
}

TEST(InputFromFile, MissingFileGivesTheReadersRefusal) {
  const std::string path = testing::TempDir() + "no_such_expression_input.dis";
  const auto input = InputFromFile("U", path);
  ASSERT_TRUE(std::holds_alternative<model::ModelError>(input));
  EXPECT_EQ(std::get<model::ModelError>(input).code, 1);
  EXPECT_EQ(std::get<model::ModelError>(input).append, path);
}

TEST(InputFromParametric, RecordsTypeAndParametersOrRefuses) {
  sources::ParametricRequest request;
  request.type = sources::kNormal;
  request.parameters = {"50", "5"};
  request.bins = 64;
  const auto input = InputFromParametric("G", request, "Normal:50,5:64", texts::Language::English);
  ASSERT_TRUE(std::holds_alternative<ExpressionInput>(input));
  const ExpressionInput& in = std::get<ExpressionInput>(input);
  EXPECT_EQ(in.provenance.kind, "parametric");
  EXPECT_NE(in.provenance.source.find("Normal:50,5:64"), std::string::npos);
  EXPECT_TRUE(in.provenance.sha256.empty());
  EXPECT_EQ(in.histogram.N, 64);
  EXPECT_EQ(in.histogram.Type, model::HistogramType::Discrete);

  request.bins = 5000;
  EXPECT_TRUE(std::holds_alternative<sources::ParamRefusal>(
      InputFromParametric("G", request, "Normal:50,5:5000", texts::Language::English)));
}

TEST(FreeInputName, ANameTheLanguageReadsAndNoneTaken) {
  std::vector<ExpressionInput> inputs(2);
  inputs[0].provenance.name = "Dead_load";
  inputs[1].provenance.name = "Dead_load2";
  const std::pair<const char*, const char*> cases[] = {
      {"Wind load 50-years", "Wind_load_50_years"}, {"2nd", "X2nd"}, {"", "X"}, {"Dead_load", "Dead_load3"}};
  for (const auto& [wanted, expected] : cases) {
    EXPECT_EQ(FreeInputName(wanted, inputs), expected) << wanted;
  }
}

}  // namespace
}  // namespace dorvex::expressions
