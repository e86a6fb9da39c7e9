#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "model/distribution_file_lines.h"
#include "model/distribution_file_reader.h"
#include "support/dis_text.h"
#include "texts/language.h"

using dorvex::model::DistributionReadOptions;
using dorvex::model::DistributionReadResult;
using dorvex::model::HistogramType;
using dorvex::model::ReadDistribution;
using dorvex::model::ReadDistributionFile;
using dorvex::model::ReadDistributionText;

namespace {

using dorvex::test_support::DisFile;
using dorvex::test_support::Keys;
using dorvex::test_support::kOneToTen;
using dorvex::test_support::Replaced;
using dorvex::test_support::With;

std::string Describe(const DistributionReadResult& r) {
  if (r.ok()) return "success";
  return "code " + std::to_string(r.error->code) + " insert \"" + r.error->insert + "\" append \"" +
         r.error->append + "\"";
}

struct ErrorCase {
  const char* name;
  std::string text;
  int code;
  std::string insert;
  std::string append;
};

std::vector<std::string> Frequencies(int count) {
  return std::vector<std::string>(kOneToTen.begin(), kOneToTen.begin() + std::min(count, 10));
}

TEST(ReadDistribution, RefusesEachFaultWithItsCode) {
  std::vector<std::string> eleven = kOneToTen;
  eleven.push_back("11");
  const ErrorCase cases[] = {
      {"no [Bins] line", "[Parameters]\r\nMin=0\r\nMax=10\r\nBins=10\r\nTotal=55\r\n1\r\n", 2, "",
       ""},
      {"nothing after [Bins]", DisFile(Keys{}, {}), 2, "", ""},
      {"Total missing", DisFile(With(&Keys::total, ""), kOneToTen), 3, "", ""},
      {"Min twice", DisFile(With(&Keys::type, "Min=0"), kOneToTen), 3, "", ""},
      {"Min not a number", DisFile(With(&Keys::min, "Min=abc"), kOneToTen), 4, "", "abc"},
      {"Maximum= begins with Max", DisFile(With(&Keys::max, "Maximum=7"), kOneToTen), 5, "",
       "mum=7"},
      {"unknown type", DisFile(With(&Keys::type, "Type=Histogram"), kOneToTen), 6, "Histogram", ""},
      {"Bins not an integer", DisFile(With(&Keys::bins, "Bins=12.0"), kOneToTen), 7, "", "12.0"},
      {"Bins above 1024", DisFile(With(&Keys::bins, "Bins=1025"), kOneToTen), 8, "", "1025"},
      {"Bins below 2", DisFile(With(&Keys::bins, "Bins=1"), {"55"}), 39, "", ""},
      {"Total not a number", DisFile(With(&Keys::total, "Total=many"), kOneToTen), 9, "", "many"},
      {"frequency 7.0", DisFile(Keys{}, Replaced(kOneToTen, 2, "7.0")), 10, "3", "7.0"},
      {"frequency above int64", DisFile(Keys{}, Replaced(kOneToTen, 0, "9223372036854775808")), 10,
       "1", "9223372036854775808"},
      {"negative frequency", DisFile(Keys{}, Replaced(kOneToTen, 2, "-3")), 11, "3", ""},
      // Two valid frequencies whose sum passes the 64-bit range.
      {"sum above int64",
       DisFile(Keys{"Type=Discrete", "Min=0", "Max=10", "Bins=2", "Total=9223372036854775808"},
               {"9223372036854775807", "1"}),
       12, "", "9223372036854775808"},
      {"sum 999980 of Total 1000000",
       DisFile(Keys{"Type=Discrete", "Min=0", "Max=10", "Bins=2", "Total=1000000"},
               {"499990", "499990"}),
       13, "999980", "1000000"},
      {"11 frequency lines for 10 bins", DisFile(With(&Keys::total, "Total=66"), eleven), 14, "10",
       "11"},
      {"9 frequency lines for 10 bins", DisFile(With(&Keys::total, "Total=45"), Frequencies(9)), 14,
       "10", "9"},
      {"Min > Max",
       DisFile(Keys{"Type=Discrete", "Min=10", "Max=0", "Bins=10", "Total=55"}, kOneToTen), 15,
       "10", "0"},
      {"Min = Max = 0",
       DisFile(Keys{"Type=Discrete", "Min=0", "Max=0", "Bins=10", "Total=55"}, kOneToTen), 16, "",
       ""},
  };
  for (const auto& c : cases) {
    const DistributionReadResult r = ReadDistributionText(c.text);
    ASSERT_FALSE(r.ok()) << c.name;
    EXPECT_EQ(r.error->code, c.code) << c.name << ": " << Describe(r);
    EXPECT_EQ(r.error->insert, c.insert) << c.name;
    EXPECT_EQ(r.error->append, c.append) << c.name;
    EXPECT_EQ(r.error->message, 0) << c.name;
    EXPECT_EQ(r.record.histogram.N, 0) << c.name << ": a failed read hands over nothing";
  }
}

TEST(ReadDistribution, StopsAtTheFirstFailureInReadingOrder) {
  Keys minFirst;
  minFirst.min = "Min=abc";
  minFirst.bins = "Bins=1025";
  EXPECT_EQ(ReadDistributionText(DisFile(minFirst, kOneToTen)).error->code, 4);
  Keys binsFirst = minFirst;
  binsFirst.min = "Bins=1025";
  binsFirst.bins = "Min=abc";
  EXPECT_EQ(ReadDistributionText(DisFile(binsFirst, kOneToTen)).error->code, 8);
  // A bad frequency is found before the sum is compared with Total.
  EXPECT_EQ(
      ReadDistributionText(DisFile(With(&Keys::total, "Total=1"), Replaced(kOneToTen, 4, "x")))
          .error->code,
      10);
}

TEST(ReadDistribution, ReadsADiscreteFileOntoMidPoints) {
  const DistributionReadResult r = ReadDistributionText(DisFile(Keys{}, kOneToTen));
  ASSERT_TRUE(r.ok()) << Describe(r);
  const auto& h = r.record.histogram;
  // Min=0, Max=10, Bins=10: d = 1, values 0.5 .. 9.5, Range the outer span 10.
  EXPECT_EQ(h.Type, HistogramType::Discrete);
  EXPECT_EQ(h.N, 10);
  EXPECT_EQ(h.d, 1.0);
  EXPECT_EQ(h.Min, 0.5);
  EXPECT_EQ(h.Max, 9.5);
  EXPECT_EQ(h.Range, 10.0);
  EXPECT_EQ(h.Total, 55.0L);
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(h.P[i], static_cast<double>(i / 55.0L)) << "P[" << i << "] = frequency / Total";
  }
  EXPECT_EQ(h.P[11], 0.0);
  EXPECT_EQ(r.record.roundedFrequencySum, 55);
  EXPECT_TRUE(r.listing.empty());
}

TEST(ReadDistribution, ReadsAPureDiscreteFileOnItsPoints) {
  const DistributionReadResult r =
      ReadDistributionText(DisFile(With(&Keys::type, "Type=Pure Discrete"), kOneToTen));
  ASSERT_TRUE(r.ok()) << Describe(r);
  const auto& h = r.record.histogram;
  EXPECT_EQ(h.Type, HistogramType::PureDiscrete);
  EXPECT_EQ(h.d, 10.0 / 9.0);
  EXPECT_EQ(h.Min, 0.0);
  EXPECT_EQ(h.Max, 10.0);
  EXPECT_EQ(h.Range, 10.0);
}

TEST(ReadDistribution, AcceptsASumWithinOneHundredThousandthOfTotal) {
  struct Case {
    const char* half;  // each of two equal frequencies
    bool accepted;
  };
  // Total = 1000000: the ratio bounds 0.99999 and 1.00001 are inclusive.
  const Case cases[] = {{"499990", false},   // 0.99998
                        {"499995", true},    // 0.99999, the lower bound
                        {"500005", true},    // 1.00001, the upper bound
                        {"500010", false}};  // 1.00002
  const Keys keys{"Type=Discrete", "Min=0", "Max=10", "Bins=2", "Total=1000000"};
  for (const auto& c : cases) {
    const DistributionReadResult r = ReadDistributionText(DisFile(keys, {c.half, c.half}));
    EXPECT_EQ(r.ok(), c.accepted) << c.half << ": " << Describe(r);
  }
  // 999 995 as in 499 997 + 499 998.
  const DistributionReadResult r = ReadDistributionText(DisFile(keys, {"499997", "499998"}));
  ASSERT_TRUE(r.ok()) << Describe(r);
  EXPECT_EQ(r.record.roundedFrequencySum, 999995);
}

TEST(ReadDistribution, TrimsEmptyEndIntervals) {
  // Frequencies 0, 0, 5, 7, 0 on a Discrete 0 .. 5 with 5 bins: intervals 3 and 4 remain.
  const DistributionReadResult r = ReadDistributionText(DisFile(
      Keys{"Type=Discrete", "Min=0", "Max=5", "Bins=5", "Total=12"}, {"0", "0", "5", "7", "0"}));
  ASSERT_TRUE(r.ok()) << Describe(r);
  const auto& h = r.record.histogram;
  EXPECT_EQ(h.N, 2);
  EXPECT_EQ(h.Min, 2.5);
  EXPECT_EQ(h.Max, 3.5);
  EXPECT_EQ(h.Range, 1.0);
  EXPECT_EQ(h.P[1], static_cast<double>(5 / 12.0L));
  EXPECT_EQ(h.P[2], static_cast<double>(7 / 12.0L));
  EXPECT_EQ(h.P[3], 0.0);
}

TEST(ReadDistribution, KeepsTheSlotTypeWhenTheFileHasNone) {
  for (HistogramType before : {HistogramType::Discrete, HistogramType::PureDiscrete}) {
    DistributionReadOptions options;
    options.typeWhenMissing = before;
    const DistributionReadResult r =
        ReadDistributionText(DisFile(With(&Keys::type, ""), kOneToTen), options);
    ASSERT_TRUE(r.ok()) << Describe(r);
    EXPECT_EQ(r.record.histogram.Type, before);
  }
}

TEST(ReadDistribution, ReadsKeysAsTheWriterAndTheUserWriteThem) {
  Keys keys;
  keys.type = "Type = Pure Discrete";
  keys.min = " Min = 0,1";               // blanks anywhere, comma separator
  keys.max = "Max=0.30000000000000004";  // shortest round-trip text of 0.1 + 0.2
  keys.total = "Total = 5 5";
  std::string text = DisFile(keys, kOneToTen);
  // An identification naming a key is an ordinary line.
  text.replace(text.find("Identification=test.dis"), 23, "Identification = Max Load");
  const DistributionReadResult r = ReadDistributionText(text);
  ASSERT_TRUE(r.ok()) << Describe(r);
  EXPECT_EQ(r.record.histogram.Type, HistogramType::PureDiscrete);
  EXPECT_EQ(r.record.histogram.Min, 0.1);
  EXPECT_EQ(r.record.histogram.Max, 0.1 + 0.2);
  EXPECT_EQ(r.record.histogram.Total, 55.0L);
}

TEST(ReadDistribution, AcceptsEveryLineEndAByteOrderMarkAndEmptyFrequencyLines) {
  const DistributionReadResult reference = ReadDistributionText(DisFile(Keys{}, kOneToTen));
  ASSERT_TRUE(reference.ok());
  std::vector<std::string> withGaps = kOneToTen;
  withGaps.insert(withGaps.begin() + 3, "");
  withGaps.insert(withGaps.begin() + 6, "   ");
  const std::pair<const char*, std::string> variants[] = {
      {"LF", DisFile(Keys{}, kOneToTen, "\n")},
      {"lone CR", DisFile(Keys{}, kOneToTen, "\r")},
      {"no end after the last line",
       DisFile(Keys{}, kOneToTen).substr(0, DisFile(Keys{}, kOneToTen).size() - 2)},
      {"byte order mark", "\xEF\xBB\xBF" + DisFile(Keys{}, kOneToTen)},
      {"empty lines under [Bins]", DisFile(Keys{}, withGaps)},
  };
  for (const auto& [name, text] : variants) {
    const DistributionReadResult r = ReadDistributionText(text);
    ASSERT_TRUE(r.ok()) << name << ": " << Describe(r);
    EXPECT_EQ(r.record.histogram.P, reference.record.histogram.P) << name;
    EXPECT_EQ(r.record.histogram.Min, reference.record.histogram.Min) << name;
    EXPECT_EQ(r.record.histogram.Max, reference.record.histogram.Max) << name;
  }
}

TEST(ReadDistribution, FillsTheControlListingWhenAsked) {
  DistributionReadOptions options;
  options.controlListing = true;
  const DistributionReadResult r = ReadDistributionText(DisFile(Keys{}, kOneToTen), options);
  ASSERT_TRUE(r.ok()) << Describe(r);
  ASSERT_EQ(r.listing.size(), 12u);  // header, 10 intervals, total
  EXPECT_EQ(r.listing[0].index, "   I N T");
  EXPECT_EQ(r.listing[0].frequency, " Frequency");
  EXPECT_EQ(r.listing[1].index, "       1");          // 8 characters
  EXPECT_EQ(r.listing[1].frequency, "           1");  // 12 characters
  EXPECT_EQ(r.listing[10].index, "      10");
  EXPECT_EQ(r.listing[10].frequency, "          10");
  EXPECT_EQ(r.listing[11].index, "   Total");
  EXPECT_EQ(r.listing[11].frequency, "          55");
}

TEST(ReadDistribution, KeepsTheListingReadBeforeAFailureInCzech) {
  DistributionReadOptions options;
  options.controlListing = true;
  options.language = dorvex::texts::Language::Czech;
  const DistributionReadResult shortFile =
      ReadDistributionText(DisFile(With(&Keys::total, "Total=45"), Frequencies(9)), options);
  const DistributionReadResult badKey =
      ReadDistributionText(DisFile(With(&Keys::min, "Min=x"), kOneToTen), options);

  ASSERT_FALSE(shortFile.ok());
  EXPECT_EQ(shortFile.error->code, 14);
  ASSERT_EQ(shortFile.listing.size(), 12u);
  EXPECT_EQ(shortFile.listing[0].frequency, "   Četnost");
  EXPECT_EQ(shortFile.listing[9].frequency, "           9");
  EXPECT_EQ(shortFile.listing[10].index, "");  // the tenth interval never came
  EXPECT_EQ(shortFile.listing[11].index, "  Celkem");
  EXPECT_EQ(shortFile.listing[11].frequency, "          45");
  // The listing opens only after the keys passed.
  EXPECT_TRUE(badKey.listing.empty());
}

TEST(ReadDistributionFile, ReadsAFileByItsPath) {
  const DistributionReadResult crlf = ReadDistributionFile(DORVEX_FIXTURES "/discrete_ten.dis");
  ASSERT_TRUE(crlf.ok()) << Describe(crlf);
  EXPECT_EQ(crlf.record.histogram.N, 10);
  EXPECT_EQ(crlf.record.histogram.Min, 0.5);

  // LF file, Pure Discrete -2.5 .. 1.5 with frequencies 0, 5, 0, 7, 0: the end
  // intervals go, the interior zero stays.
  const DistributionReadResult lf = ReadDistributionFile(DORVEX_FIXTURES "/pure_discrete_trim.dis");
  ASSERT_TRUE(lf.ok()) << Describe(lf);
  const auto& h = lf.record.histogram;
  EXPECT_EQ(h.Type, HistogramType::PureDiscrete);
  EXPECT_EQ(h.N, 3);
  EXPECT_EQ(h.Min, -1.5);
  EXPECT_EQ(h.Max, 0.5);
  EXPECT_EQ(h.P[2], 0.0);
  EXPECT_EQ(h.P[3], static_cast<double>(7 / 12.0L));
}

TEST(ReadDistributionFile, RefusesAnUnopenablePathWithCode1) {
  for (const std::string& path :
       {std::string(DORVEX_FIXTURES "/no_such_file.dis"), std::string(DORVEX_FIXTURES)}) {
    const DistributionReadResult r = ReadDistributionFile(path);
    ASSERT_FALSE(r.ok()) << path;
    EXPECT_EQ(r.error->code, 1) << path;
    EXPECT_EQ(r.error->append, path);
  }
}

TEST(ReadDistribution, ReadsFromAStream) {
  std::istringstream in(DisFile(Keys{}, kOneToTen), std::ios::binary);
  const DistributionReadResult r = ReadDistribution(in);
  ASSERT_TRUE(r.ok()) << Describe(r);
  EXPECT_EQ(r.record.histogram.N, 10);
}

// An endless line, as a multi-gigabyte file without a line end would be; counts
// the characters handed out.
class EndlessLine : public std::streambuf {
 public:
  std::size_t delivered = 0;

 protected:
  int_type underflow() override {
    std::fill(std::begin(chunk_), std::end(chunk_), 'x');
    setg(chunk_, chunk_, chunk_ + sizeof chunk_);
    delivered += sizeof chunk_;
    return traits_type::to_int_type(chunk_[0]);
  }

 private:
  char chunk_[4096];
};

TEST(ReadDistribution, RefusesAnEndlessLineAfterReadingOnlyTheLengthLimit) {
  EndlessLine endless;
  std::istream in(&endless);
  const DistributionReadResult r = ReadDistribution(in);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->code, 2);
  EXPECT_LE(endless.delivered, dorvex::model::dis::kMaxLineLength + 4096);
}

TEST(ReadDistribution, RefusesOverLongLinesWithTheCodeOfTheirPlace) {
  const std::string huge(dorvex::model::dis::kMaxLineLength + 10, '7');
  const std::string shown = std::string(64, '7') + "...";
  const DistributionReadResult key =
      ReadDistributionText(DisFile(With(&Keys::min, "Min=" + huge), kOneToTen));
  ASSERT_FALSE(key.ok());
  EXPECT_EQ(key.error->code, 4);
  EXPECT_EQ(key.error->append, shown);

  const DistributionReadResult identification =
      ReadDistributionText(DisFile(With(&Keys::type, "Identification=" + huge), kOneToTen));
  ASSERT_FALSE(identification.ok());
  EXPECT_EQ(identification.error->code, 2);

  const DistributionReadResult frequency =
      ReadDistributionText(DisFile(Keys{}, Replaced(kOneToTen, 1, huge)));
  ASSERT_FALSE(frequency.ok());
  EXPECT_EQ(frequency.error->code, 10);
  EXPECT_EQ(frequency.error->insert, "2");
  EXPECT_EQ(frequency.error->append, shown);
}

TEST(ReadDistribution, RefusesEmptyTextLinelessTextNulBytesAndBinaryGarbage) {
  EXPECT_EQ(ReadDistributionText("").error->code, 2);
  // The whole file on one line: no "[Bins]" line.
  std::string oneLine = DisFile(Keys{}, kOneToTen, "");
  EXPECT_EQ(ReadDistributionText(oneLine).error->code, 2);
  // A NUL byte is a character like any other: the Min value is not a number.
  const DistributionReadResult nul =
      ReadDistributionText(DisFile(With(&Keys::min, std::string("Min=1\0", 6)), kOneToTen));
  ASSERT_FALSE(nul.ok());
  EXPECT_EQ(nul.error->code, 4);
  EXPECT_EQ(nul.error->append, std::string("1\0", 2));

  std::uint64_t state = 12345;
  for (int file = 0; file < 50; ++file) {
    std::string bytes(4096, '\0');
    for (char& b : bytes) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      b = static_cast<char>(state >> 56);
    }
    EXPECT_FALSE(ReadDistributionText(bytes).ok()) << "garbage file " << file;
  }
}

}  // namespace
