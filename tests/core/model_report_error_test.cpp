#include <gtest/gtest.h>

#include <string>

#include "model/report_error.h"
#include "texts/language.h"

using dorvex::model::ClearsResult;
using dorvex::model::ComposeReportError;
using dorvex::model::ModelError;
using dorvex::texts::Language;

namespace {

// Every error carries both pieces, so each row also shows that a code whose
// message takes no insert or no append leaves them out.
constexpr const char* kInsert = "<in>";
constexpr const char* kAppend = "<ap>";

struct CodeCase {
  int code;
  const char* expected;
};

// The message texts of the message table, with "<in>" where the code's rule puts
// `insert` and "<ap>" where it puts `append`.
const CodeCase kEnglish[] = {
    {1, "Input error in file reading<ap>"},
    {2, "Key word [Bins] is missing!"},
    {3, "Any key words are missing!\r\n\r\n Min | Max | Bins | Total "},
    {4,
     "Calculation is  n o t  p o s s i b l e  to perform!\r\nMin value of A histogram is not "
     "valid!\r\n\r\ninput:  Min = <ap>"},
    {5,
     "Calculation is not possible to perform! \r\nMax value of A histogram is not "
     "valid!\r\n\r\ninput:  Max = <ap>"},
    {6, "Incorrect type ( Discrete | Pure Discrete )!\r\n\r\n\t( Contained: Type= <in> )"},
    {7,
     "Calculation is not possible to perform! \r\nIntervals number value of histogram is not "
     "valid!\r\n\r\ninput:  Intervals number = <ap>"},
    {8,
     "Calculation  is impossible!\r\nNumber of intervals in histogram > "
     "1024\r\n\r\nContained:  Number of intervals = <ap>"},
    {9,
     "Calculation is not possible to perform! \r\nSum value of histogram is not "
     "valid!\r\n\r\ninput:  Sum = <ap>"},
    {10, "I n v a l i d  number input!\r\n\r\nContained: frequency in <in>.interval = <ap>"},
    {11, "N e g a t i v e  frequency in <in>.interval was entered!"},
    {12, "MaxInt64 exceeded!\r\n\r\nMaxInt64 : 9.223372E18 Calculated : <ap>"},
    {13, "Invalid  n u m b e r  of elements!\r\n\r\nContained:    Elements = <in>     Sum = <ap>"},
    {14,
     "Invalid  n u m b e r  of intervals!\r\n\r\nNumber of intervals = <in>    Contained = <ap>"},
    {15, "Min > Max\r\nContained: Min <in>  Max <ap>"},
    {16, "Min=0 a Max=0"},
    {18, "I n v a l i d  number input!\r\n\r\nContained: <ap>"},
    {20, "Invalid number input!"},
    {23, "Write error ! File <in>"},
    {25, "Multiple A = 0 !"},
    {27, "Calculation is not possible to perform!\r\n\r\nBoth histograms are not entered!"},
    {28, "Calculation is not possible to perform!\r\n\r\nHistogram A is not entered!"},
    {30, "Sum of probabilities is not equal to 1.00!\r\n\r\nInvalid resulting histogram!"},
    {37, "Multiple A<0.01 !"},
    {38, "Multiple B<0.01 !"},
    {39, "Number of intervals < 2 !"},
    {40, "Histogram is Pure Discrete. Number of Multiple must be integer !"},
    {41, "Histogram is Pure Discrete. Change Min is not possible !"},
    {42, "Histogram is Pure Discrete. Change Max is not possible !"},
    {43, "D i v i s i o n  by zero !"},
    {44, "Real number  o v e r f l o w !"},
    {45, "Real number  u n d e r f l o w !"},
    {46, "N o n  d e f i n e d  operation in floating decimal point !"},
    {47, "Forbidden  m a t h e m a t i c a l  operation !"},
    {48, "N o n  d e f i n e d  operation !"},
    {49,
     "Mathematic operation of dividing is not possible to perform!\r\nHistogram values B*X2 "
     "lead to zero dividing!\r\n\r\nMust not be valid: \r\n1/ MinB-dB/2=0\r\n2/ "
     "MaxB+dB/2=0\r\n3/ MinB-dB/2<0 a MaxB+dB/2>0"},
    {50, "Exponent \"n\" is not <> 0 !"},
    {51, "  Calculation  is impossible ! \r\n\r\n( resulting histogram Max=Min )"},
    {52,
     "Calculation is not possible to perform! Histograms A*X1 or BxX2 lead to zero "
     "dividing!"},
    {54, "Count \"n\" non defined !"},
    {55, "Count \"n\" is not > 0"},
};

TEST(ComposeReportError, ComposesEveryCodeOfTheMainWindowInEnglish) {
  for (const auto& c : kEnglish) {
    const auto text =
        ComposeReportError(ModelError{c.code, kInsert, kAppend, 0}, Language::English);
    EXPECT_EQ(text.title, "E r r o r") << "code " << c.code;
    EXPECT_EQ(text.text, c.expected) << "code " << c.code;
  }
}

TEST(ComposeReportError, ComposesInCzech) {
  const CodeCase czech[] = {
      {1, "Chyba při čtení souboru <ap>"},
      {8,
       "Výpočet nelze provést!\r\nPočet intervalů u histogramu A > 1024\r\n\r\nzadáno :  "
       "Pocet intervalů = <ap>"},
      {10, "Nebylo zadáno platné číslo!\r\n\r\nZadáno : Četnost v <in>.intervalu = <ap>"},
      {16, "Min=0 a Max=0"},  // never translated
      {49,
       "Matematickou operaci DĚLENÍ nelze provést!\r\nHodnoty histogramu B*X2 by způsobily "
       "dělení nulou!\r\n\r\nNesmí platit : \r\n1/ MinB-dB/2=0\r\n2/ MaxB+dB/2=0\r\n3/ "
       "MinB-dB/2<0 a MaxB+dB/2>0"},
  };
  for (const auto& c : czech) {
    const auto text = ComposeReportError(ModelError{c.code, kInsert, kAppend, 0}, Language::Czech);
    EXPECT_EQ(text.title, "C h y b a") << "code " << c.code;
    EXPECT_EQ(text.text, c.expected) << "code " << c.code;
  }
}

TEST(ComposeReportError, ComposesADirectMessageWithItsInsertAndAppend) {
  EXPECT_EQ(ComposeReportError(ModelError{0, "/data/a.dis", "", 9}, Language::English).text,
            "Data file  /data/a.dis   does not exist !");
  EXPECT_EQ(ComposeReportError(ModelError{0, "/data/a.dis", "", 9}, Language::Czech).text,
            "Soubor  /data/a.dis  neexistuje !");
  // A message without "%s" takes the append only.
  EXPECT_EQ(ComposeReportError(ModelError{0, kInsert, "abc", 35}, Language::English).text,
            "Calculation is  n o t  p o s s i b l e  to perform!\r\nMin value of A histogram is "
            "not valid!\r\n\r\ninput:  Min = abc");
  EXPECT_EQ(ComposeReportError(ModelError{0, "3", "7.0", 15}, Language::Czech).text,
            "Nebylo zadáno platné číslo!\r\n\r\nZadáno : Četnost v 3.intervalu = 7.0");
}

TEST(ComposeReportError, MessageZeroShowsItsOwnTextOnly) {
  // The repeated quotient's index error has a text of its own, in no message.
  const auto text = ComposeReportError(ModelError{0, "Index pole (1025) ", "pro n=3", 0},
                                       Language::English);
  EXPECT_EQ(text.title, "E r r o r");
  EXPECT_EQ(text.text, "Index pole (1025) pro n=3");
}

TEST(ClearsResult, HoldsForCodes49To55Only) {
  for (int code = 0; code <= 60; ++code) {
    EXPECT_EQ(ClearsResult(code), code >= 49 && code <= 55) << "code " << code;
  }
}

}  // namespace
