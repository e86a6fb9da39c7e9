#include "app/tool_window.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <string>

#include "settings/settings_file.h"

namespace dorvex::gui {

namespace {

std::string Key(const PlacementKeys& keys, const char* suffix) { return std::string(keys.prefix) + suffix; }

}  // namespace

ToolWindowPlacement::ToolWindowPlacement(QWidget* window, settings::SettingsFile* settings, const PlacementKeys& keys)
    : QObject(window), window_(window), settings_(settings), keys_(keys) {
  window_->installEventFilter(this);
  Restore();
}

void ToolWindowPlacement::CloseOnClick(QWidget* area) {
  clickArea_ = area;
  area->installEventFilter(this);
}

bool ToolWindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == clickArea_ && event->type() == QEvent::MouseButtonPress) {
    window_->close();
    return true;
  }
  if (watched == window_) {
    if (event->type() == QEvent::ActivationChange && window_->isVisible() && !window_->isActiveWindow() &&
        !held_) {
      window_->close();
    } else if (event->type() == QEvent::Close) {
      Save();
    }
  }
  return QObject::eventFilter(watched, event);
}

void ToolWindowPlacement::Restore() {
  window_->setFixedWidth(keys_.defaultWidth);
  window_->setMinimumHeight(keys_.defaultHeight);
  int left = 0;
  int top = 0;
  int height = keys_.defaultHeight;
  if (settings_ != nullptr) {
    left = settings_->ReadInteger(settings::kSectionPosition, Key(keys_, ".left"), 0);
    top = settings_->ReadInteger(settings::kSectionPosition, Key(keys_, ".top"), 0);
    height = settings_->ReadInteger(settings::kSectionPosition, Key(keys_, keys_.heightKey), keys_.defaultHeight);
  }
  window_->move(left, top);
  window_->resize(keys_.defaultWidth, std::max(height, keys_.defaultHeight));
}

void ToolWindowPlacement::Save() {
  if (settings_ == nullptr) return;
  settings_->WriteInteger(settings::kSectionPosition, Key(keys_, ".left"), window_->pos().x());
  settings_->WriteInteger(settings::kSectionPosition, Key(keys_, ".top"), window_->pos().y());
  settings_->WriteInteger(settings::kSectionPosition, Key(keys_, keys_.widthKey), window_->width());
  settings_->WriteInteger(settings::kSectionPosition, Key(keys_, keys_.heightKey), window_->height());
}

}  // namespace dorvex::gui
