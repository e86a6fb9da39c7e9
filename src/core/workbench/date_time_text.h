#pragma once
// Date and time as the program writes them: the clock of the status bar, the date
// line of the result chart, the report. The separators come from the settings; the
// moment is read by the caller.

#include <string>

namespace dorvex::workbench {

// A moment of the local clock.
struct ClockReading {
  int year = 2000;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The separators of the short date and of the long time.
struct DateTimeSeparators {
  char date = '.';
  char time = ':';
};

// The separators in force after choosing `date` and `time` (character codes, as
// stored): one that the menus do not offer ("." "-" "/" for the date, "." ":" for
// the time) leaves the one of `current`.
DateTimeSeparators ChooseSeparators(DateTimeSeparators current, int date, int time);

// Short date: day and month without leading zeros, the year in four digits
// ("5.3.2024").
std::string ShortDateText(const ClockReading& clock, DateTimeSeparators separators);
// Long time: hours, minutes and seconds in two digits each ("09:05:00").
std::string LongTimeText(const ClockReading& clock, DateTimeSeparators separators);

// The date line over a result chart: "( " + date + " , " + time + " )".
std::string ChartDateLine(const ClockReading& clock, DateTimeSeparators separators);
// The one title line of an exported result chart: "Histogram : " + the operation
// label + "   ( " + date + " , " + time + " )".
std::string ExportChartTitle(const std::string& operationLabel, const ClockReading& clock,
                             DateTimeSeparators separators);

}  // namespace dorvex::workbench
