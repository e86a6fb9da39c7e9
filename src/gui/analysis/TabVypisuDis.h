#pragma once
// The frequency table of a Discrete histogram: each interval between its bounds.

#include "analysis/listing_table_window.h"

namespace dorvex::gui {

class TForm7 : public ListingTableWindow {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says; exports go into `graphsFolder`.
  // Its Closed signal is where the load-duration window is re-enabled.
  TForm7(const PlatformServices& services, settings::SettingsFile* settings, QString graphsFolder,
         QWidget* parent = nullptr);

 protected:
  // The interval rows 2, 4, 6 ..., compared by the bound in the row above.
  std::optional<double> ComparedValue(const model::Histogram& h, int row, int rows) const override;
};

}  // namespace dorvex::gui
