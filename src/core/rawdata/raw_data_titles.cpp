#include "rawdata/raw_data_titles.h"

#include <filesystem>

#include "sources/distribution.h"
#include "sources/distributions/distribution_kit.h"
#include "texts/messages.h"

namespace dorvex::rawdata {

namespace {

using texts::Language;
using texts::MessageText;

std::string Stem(const std::string& path) { return std::filesystem::path(path).stem().string(); }

}  // namespace

std::vector<std::string> DataChartTitle(const std::string& listText, const std::string& path,
                                        const workbench::ClockReading& clock, workbench::DateTimeSeparators separators,
                                        Language language) {
  return {MessageText(107, language) + listText,
          MessageText(109, language) + Stem(path) + " ( " + workbench::ShortDateText(clock, separators) + " , " +
              workbench::LongTimeText(clock, separators) + " )"};
}

std::vector<std::string> FitChartTitle(int type, const std::string& description, const std::string& path,
                                       Language language) {
  return {MessageText(108, language) + sources::ParamListText(type, language) + " ( " + description,
          MessageText(109, language) + Stem(path)};
}

std::string RankedFitCaption(const std::string& description, Language language) {
  return "  " + MessageText(111, language) + description + "  ";
}

std::string ChosenFitCaption(const std::string& description, Language language) {
  return MessageText(117, language) + description;
}

std::string ChosenClosenessText(double closeness) { return sources::kit::FixedText(closeness, 5); }

std::string DataReportTitle(Language language) { return MessageText(106, language); }

std::string FitReportTitle(const std::string& listText, Language language) {
  return MessageText(214, language) + listText;
}

}  // namespace dorvex::rawdata
