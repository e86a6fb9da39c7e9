#pragma once
// The chart tool bar laid over a chart: zoom in and out, move the view and return
// to the whole chart.

#include <QWidget>

#include "texts/language.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

class ChartToolBar : public QWidget {
 public:
  // A bar named `name` over `view`'s top right corner, hidden until Place shows it.
  ChartToolBar(const char* name, QChartView* view);

  // The buttons' hints in `language`.
  void SetLanguage(texts::Language language);

  // Shows the bar at the chart's top right corner, or hides it.
  void Place(bool shown);
};

}  // namespace dorvex::gui
