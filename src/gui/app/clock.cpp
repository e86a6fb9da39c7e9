#include "app/clock.h"

#include <QDateTime>

namespace dorvex::gui {

workbench::ClockReading ClockNow() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace dorvex::gui
