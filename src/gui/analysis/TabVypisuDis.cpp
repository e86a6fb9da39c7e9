#include "analysis/TabVypisuDis.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"TabVypisuDis-Form7", ".Width", ".Height", 565, 600};

}  // namespace

TForm7::TForm7(const PlatformServices& services, settings::SettingsFile* settings, QString graphsFolder,
               QWidget* parent)
    : ListingTableWindow(services, settings, std::move(graphsFolder), kPlacement, {42, 88, 141, 95, 146}, parent) {
  setObjectName(QStringLiteral("Form7"));
}

std::optional<double> TForm7::ComparedValue(const model::Histogram& h, int row, int) const {
  if (row % 2 != 0) return std::nullopt;
  // Row 2k lists interval k; the row above holds its lower bound.
  const int interval = row / 2;
  return h.Min + (interval - 1.5) * h.d;
}

}  // namespace dorvex::gui
