#include "analysis/window_placement.h"

#include <QEvent>
#include <algorithm>
#include <string>

#include "settings/settings_file.h"

namespace dorvex::gui {

namespace {

std::string Key(const PlacementKeys& keys, const char* suffix) { return std::string(keys.prefix) + suffix; }

}  // namespace

void RestorePlacement(QWidget* window, const settings::SettingsFile* settings, const PlacementKeys& keys) {
  window->setFixedWidth(keys.defaultWidth);
  window->setMinimumHeight(keys.defaultHeight);
  int left = 0;
  int top = 0;
  int height = keys.defaultHeight;
  if (settings != nullptr) {
    left = settings->ReadInteger(settings::kSectionPosition, Key(keys, ".left"), 0);
    top = settings->ReadInteger(settings::kSectionPosition, Key(keys, ".top"), 0);
    height = settings->ReadInteger(settings::kSectionPosition, Key(keys, keys.heightKey), keys.defaultHeight);
  }
  window->move(left, top);
  window->resize(keys.defaultWidth, std::max(height, keys.defaultHeight));
}

void SavePlacement(const QWidget* window, settings::SettingsFile* settings, const PlacementKeys& keys) {
  if (settings == nullptr) return;
  settings->WriteInteger(settings::kSectionPosition, Key(keys, ".left"), window->pos().x());
  settings->WriteInteger(settings::kSectionPosition, Key(keys, ".top"), window->pos().y());
  settings->WriteInteger(settings::kSectionPosition, Key(keys, keys.widthKey), window->width());
  settings->WriteInteger(settings::kSectionPosition, Key(keys, keys.heightKey), window->height());
}

bool LostActivation(const QWidget* window, const QEvent* event) {
  return event->type() == QEvent::ActivationChange && window->isVisible() && !window->isActiveWindow();
}

}  // namespace dorvex::gui
