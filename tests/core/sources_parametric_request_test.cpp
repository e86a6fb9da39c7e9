#include <gtest/gtest.h>

#include <cstdint>

#include "sources/distribution.h"
#include "sources/parametric_request.h"

using namespace dorvex::sources;
using dorvex::texts::Language;

namespace {

TEST(ComputeParametric, ChecksBinsAndEpsFirst) {
  struct Case {
    std::int32_t bins;
    double eps;
    int message;
  };
  const Case cases[] = {{2, 1E-7, 88}, {1025, 1E-7, 88}, {128, 0.0, 97}, {128, -1E-7, 97},
                        {128, 2.0, 98}, {128, 1E-9, 98}, {3, 1E-8, 0}, {1024, 1.0 - 1E-9, 0}};
  for (const auto& c : cases) {
    ParametricRequest request;
    request.bins = c.bins;
    request.eps = c.eps;
    const ParametricResult result = ComputeParametric(request, Language::English);
    EXPECT_EQ(result.ok() ? 0 : result.error->message, c.message) << c.bins << " " << c.eps;
  }
  ParametricRequest request;
  request.eps = 0.0;
  EXPECT_EQ(ComputeParametric(request, Language::English).error->text,
            "Minimal probability Min_(x) is not > 0 !");
}

TEST(HandOverParametric, GivesMidPointsForDiscreteAndEdgesForPureDiscrete) {
  ParametricRequest request;
  request.type = kUniform;
  request.parameters = {"0", "10"};
  request.bins = 10;
  const ParametricResult discrete = ComputeParametric(request, Language::English);
  ASSERT_TRUE(discrete.ok());
  EXPECT_EQ(discrete.buffer.histogram.Min, 0.5);
  EXPECT_EQ(discrete.buffer.histogram.Max, 9.5);
  EXPECT_EQ(discrete.buffer.histogram.d, 1.0);
  EXPECT_EQ(discrete.buffer.histogram.Range, 10.0);
  EXPECT_EQ(discrete.buffer.histogram.N, 10);
  EXPECT_EQ(discrete.buffer.histogram.Total, 10.0L);
  EXPECT_EQ(discrete.histogramType, dorvex::model::HistogramType::Discrete);
  EXPECT_EQ(discrete.name, "ParRoz_Uniform");

  request.pureDiscrete = true;
  const ParametricResult pure = ComputeParametric(request, Language::English);
  ASSERT_TRUE(pure.ok());
  EXPECT_EQ(pure.buffer.histogram.Min, 0.0);
  EXPECT_EQ(pure.buffer.histogram.Max, 10.0);
  EXPECT_DOUBLE_EQ(pure.buffer.histogram.d, 10.0 / 9);
  EXPECT_EQ(pure.histogramType, dorvex::model::HistogramType::PureDiscrete);
}

TEST(ComputeParametric, UsesTheTypesDefaultsForParametersNotGiven) {
  ParametricRequest request;
  request.type = *FindParamType("Triangular");
  const ParametricResult result = ComputeParametric(request, Language::Czech);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.state.parameterTexts[0], "0");
  EXPECT_EQ(result.state.parameterTexts[2], "5");
  EXPECT_EQ(result.buffer.histogram.N, kDefaultParamBins);
  EXPECT_EQ(result.state.Eps, kDefaultParamEps);
  EXPECT_EQ(result.name, "ParRoz_Triangular");
}

}  // namespace
