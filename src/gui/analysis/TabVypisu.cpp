#include "analysis/TabVypisu.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"TabVypisu-Form3", ".Width", ".Height", 575, 374};

}  // namespace

TForm3::TForm3(const PlatformServices& services, settings::SettingsFile* settings, QString graphsFolder,
               QWidget* parent)
    : ListingTableWindow(services, settings, std::move(graphsFolder), kPlacement, {46, 93, 138, 98, 144}, parent) {
  setObjectName(QStringLiteral("Form3"));
}

std::optional<double> TForm3::ComparedValue(const model::Histogram& h, int row, int) const {
  return h.Min + (row - 1) * h.d;
}

}  // namespace dorvex::gui
