// A histogram typed by hand: counting its lines, the checks before saving, the file
// written and the histogram handed to the slot.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/distribution_file_reader.h"
#include "sources/typed_histogram.h"
#include "statvex/conversions.h"
#include "texts/language.h"

namespace {

using dorvex::sources::TypedHistogram;
using dorvex::texts::Language;

TypedHistogram Form(std::vector<std::string> lines, bool pure, std::string min, std::string max) {
  TypedHistogram form;
  form.name = "typed";
  form.lines = std::move(lines);
  form.pureDiscrete = pure;
  form.minText = std::move(min);
  form.maxText = std::move(max);
  return form;
}

TEST(CountFrequencies, CountsLinesAndNamesTheFirstThatIsNoFrequency) {
  struct Case {
    std::vector<std::string> lines;
    int count;
    long long sum;
    int badLine;
  };
  const Case cases[] = {
      {{"1", "2", "1"}, 3, 4, 0},
      {{"1", "", "3"}, 3, 4, 0},         // an empty line is a 0
      {{" 7 "}, 1, 7, 0},                // blanks around a number
      {{"1", "2.5", "1"}, 0, 0, 2},      // not an integer
      {{"4", "-1"}, 0, 0, 2},            // a negative frequency
      {{"x"}, 0, 0, 1},
      {{"9223372036854775807", "1"}, 0, 0, 2},  // the sum would not fit
  };
  for (const Case& c : cases) {
    const auto count = dorvex::sources::CountFrequencies(c.lines);
    EXPECT_EQ(count.badLine, c.badLine) << c.lines.size();
    if (c.badLine != 0) continue;
    EXPECT_EQ(count.lines, c.count);
    EXPECT_EQ(count.sum, c.sum);
  }
  const auto bad = dorvex::sources::CountFrequencies({"1", "2.5"});
  EXPECT_EQ(dorvex::sources::BadFrequencyText(bad, Language::English),
            "Invalid number input !   ( integer )\r\n\r\n\tLine    :  2\r\n\tElement :  2.5");
}

TEST(SaveRefusal, ChecksInOrder) {
  struct Case {
    TypedHistogram form;
    std::string startsWith;  // empty: accepted
  };
  TypedHistogram unnamed = Form({"1"}, false, "0", "1");
  unnamed.name = "  ";
  const Case cases[] = {
      {Form({}, false, "0", "1"), "Table of raw data is empty !"},
      {Form(std::vector<std::string>(1025, "1"), false, "0", "1"), "Calculation  is impossible!\r\nNumber of datas  > 1024"},
      {Form({"1"}, false, "", "1"), "Min - Invalid number input!"},
      {Form({"1"}, false, "abc", "1"), "Min - Invalid number input!"},
      {Form({"1"}, false, "0", ""), "Max - Invalid number input!"},
      {Form({"1"}, false, "2", "1"), "min > max !"},
      {Form({"1"}, false, "1", "1"), "min > max !"},
      {Form({"1", "x"}, false, "0", "1"), "Invalid number input !   ( integer )"},
      {Form({"0", "0"}, false, "0", "1"), "Sum of frequencies is 0 !"},
      {unnamed, "Name of histogram is not defined"},
      {Form({"1", "2", "1"}, false, "0", "3"), ""},
      // A Pure Discrete form needs no Max.
      {Form({"1", "2", "1"}, true, "10", ""), ""},
  };
  for (const Case& c : cases) {
    const auto refusal = dorvex::sources::SaveRefusal(c.form, Language::English);
    if (c.startsWith.empty()) {
      EXPECT_FALSE(refusal.has_value()) << *refusal;
    } else {
      ASSERT_TRUE(refusal.has_value()) << c.startsWith;
      EXPECT_EQ(refusal->rfind(c.startsWith, 0), 0u) << *refusal;
    }
  }
  const auto over = dorvex::sources::SaveRefusal(Form(std::vector<std::string>(1025, "1"), false, "0", "1"),
                                                 Language::English);
  EXPECT_TRUE(over->ends_with("= 1025"));
}

TEST(TypedHandOver, DiscreteFormGivesMidPointsAndProbabilities) {
  const auto buffer = dorvex::sources::TypedHandOver(Form({"1", "2", "1"}, false, "0", "3"), dorvex::model::SlotId::B);
  const auto& h = buffer.histogram;
  EXPECT_EQ(buffer.target, dorvex::model::SlotId::B);
  EXPECT_EQ(h.Type, dorvex::model::HistogramType::Discrete);
  EXPECT_EQ(h.N, 3);
  EXPECT_DOUBLE_EQ(h.d, 1.0);
  EXPECT_DOUBLE_EQ(h.Min, 0.5);
  EXPECT_DOUBLE_EQ(h.Max, 2.5);
  EXPECT_DOUBLE_EQ(h.P[1], 0.25);
  EXPECT_DOUBLE_EQ(h.P[2], 0.5);
  EXPECT_DOUBLE_EQ(h.P[3], 0.25);
  EXPECT_EQ(h.Total, 4.0L);
}

TEST(TypedHandOver, PureDiscreteFormSpacesPointsByTheStep) {
  TypedHistogram form = Form({"1", "2", "1"}, true, "10", "99");
  form.pureStep = 1.0;
  const auto& h = dorvex::sources::TypedHandOver(form, dorvex::model::SlotId::A).histogram;
  EXPECT_EQ(h.Type, dorvex::model::HistogramType::PureDiscrete);
  EXPECT_DOUBLE_EQ(h.Min, 10.0);
  EXPECT_DOUBLE_EQ(h.Max, 12.0);
  EXPECT_DOUBLE_EQ(h.d, 1.0);
}

TEST(TypedHistogramFileText, WritesTheLayoutAndReadsBackAsTheHandOver) {
  struct Case {
    TypedHistogram form;
    std::string parameters;
  };
  TypedHistogram pure = Form({"1", "", "1"}, true, "10", "");
  pure.pureStep = 0.5;
  const Case cases[] = {
      {Form({"1", "2", "1"}, false, " 0 ", "3"), "Min=0\r\nMax=3\r\nBins=3\r\nTotal=4\r\n"},
      // The empty line is a 0 and the hidden Max is the last point, so the file
      // reads back with all its points where the hand-over put them.
      {pure, "Min=10\r\nMax=11\r\nBins=3\r\nTotal=2\r\n"},
  };
  for (const Case& c : cases) {
    const std::string text = dorvex::sources::TypedHistogramFileText(c.form, "typed.dis");
    EXPECT_EQ(text.rfind("[Description]\r\nIdentification=typed.dis\r\nType=", 0), 0u);
    EXPECT_NE(text.find("Form=Frequency\r\n\r\n[Parameters]\r\n" + c.parameters + "\r\n[Bins]\r\n"), std::string::npos)
        << text;

    std::istringstream in(text);
    const auto read = dorvex::model::ReadDistribution(in);
    ASSERT_TRUE(read.ok()) << read.error->code;
    const auto& back = read.record.histogram;
    const auto handed = dorvex::sources::TypedHandOver(c.form, dorvex::model::SlotId::A).histogram;
    EXPECT_EQ(back.N, handed.N);
    EXPECT_EQ(back.Type, handed.Type);
    EXPECT_DOUBLE_EQ(back.Min, handed.Min);
    EXPECT_DOUBLE_EQ(back.Max, handed.Max);
    for (int i = 1; i <= handed.N; ++i) EXPECT_DOUBLE_EQ(back.P[i], handed.P[i]) << i;
  }
}

TEST(TypedFormOfSlot, RoundsTheFrequenciesAndGivesTheOuterEdges) {
  dorvex::model::HistogramSlot slot;
  EXPECT_TRUE(dorvex::sources::TypedFormOfSlot(slot, "", "").lines.empty());

  slot.loaded = true;
  slot.name = "loads";
  slot.scaled = dorvex::sources::TypedHandOver(Form({"1", "2", "1"}, false, "0", "3"), dorvex::model::SlotId::A).histogram;
  const TypedHistogram form = dorvex::sources::TypedFormOfSlot(slot, "ignored", "ignored");
  EXPECT_EQ(form.lines, (std::vector<std::string>{"1", "2", "1"}));
  EXPECT_EQ(form.name, "loads");
  EXPECT_FALSE(form.pureDiscrete);
  double min = -1, max = -1;
  ASSERT_TRUE(dorvex::statvex::ParseLenient(form.minText, min));
  ASSERT_TRUE(dorvex::statvex::ParseLenient(form.maxText, max));
  EXPECT_DOUBLE_EQ(min, 0.0);
  EXPECT_DOUBLE_EQ(max, 3.0);

  slot.scaled.Type = dorvex::model::HistogramType::PureDiscrete;
  slot.scaled.d = 0.25;
  const TypedHistogram pure = dorvex::sources::TypedFormOfSlot(slot, "10.00", "10.50");
  EXPECT_TRUE(pure.pureDiscrete);
  EXPECT_EQ(pure.minText, "10.00");
  EXPECT_EQ(pure.maxText, "10.50");
  EXPECT_DOUBLE_EQ(pure.pureStep, 0.25);
}

}  // namespace
