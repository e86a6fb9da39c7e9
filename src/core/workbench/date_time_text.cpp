#include "workbench/date_time_text.h"

#include <cstdio>

namespace dorvex::workbench {

DateTimeSeparators ChooseSeparators(DateTimeSeparators current, int date, int time) {
  if (date == '.' || date == '-' || date == '/') current.date = static_cast<char>(date);
  if (time == '.' || time == ':') current.time = static_cast<char>(time);
  return current;
}

std::string ShortDateText(const ClockReading& clock, DateTimeSeparators separators) {
  char text[48];
  std::snprintf(text, sizeof text, "%d%c%d%c%04d", clock.day, separators.date, clock.month, separators.date,
                clock.year);
  return text;
}

std::string LongTimeText(const ClockReading& clock, DateTimeSeparators separators) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", clock.hour, separators.time, clock.minute, separators.time,
                clock.second);
  return text;
}

std::string ChartDateLine(const ClockReading& clock, DateTimeSeparators separators) {
  std::string line = "( ";
  line += ShortDateText(clock, separators);
  line += " , ";
  line += LongTimeText(clock, separators);
  line += " )";
  return line;
}

std::string ExportChartTitle(const std::string& operationLabel, const ClockReading& clock,
                             DateTimeSeparators separators) {
  std::string title = "Histogram : ";
  title += operationLabel;
  title += "   ";
  title += ChartDateLine(clock, separators);
  return title;
}

}  // namespace dorvex::workbench
