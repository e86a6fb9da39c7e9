#pragma once
// The listing window of a Pure Discrete histogram: one row per point.

#include "analysis/listing_table_window.h"

namespace dorvex::gui {

class TForm3 : public ListingTableWindow {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says; exports go into `graphsFolder`.
  TForm3(const PlatformServices& services, settings::SettingsFile* settings, QString graphsFolder,
         QWidget* parent = nullptr);

 protected:
  // Every point row, compared by its own value.
  std::optional<double> ComparedValue(const model::Histogram& h, int row, int rows) const override;
};

}  // namespace dorvex::gui
