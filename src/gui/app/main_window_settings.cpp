// The main window's settings: what the settings file holds, put on the controls at
// start and taken from them at the end; and the date and time separators.
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSpinBox>

#include "app/main_window.h"
#include "settings/reopen_list.h"

namespace dorvex::gui {

namespace {

// A first start opens large enough for readable charts, within the screen.
constexpr int kDefaultWidth = 1100;
constexpr int kDefaultHeight = 760;

QSize DefaultSize() {
  QSize size(kDefaultWidth, kDefaultHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() * 0.95);
  }
  return size;
}

}  // namespace

void MainWindow::ReadSettings() {
  const QSize defaultSize = DefaultSize();
  stored_ = settings::ReadMainWindowSettings(*settings_, defaultSize.width(), defaultSize.height());
  colours_ = settings::ReadColourScheme(*settings_);
  ApplyColours();
  move(stored_.left, stored_.top);
  resize(stored_.width, stored_.height);
  chartToolBarItem->setChecked(stored_.chartToolBar);
  inputA.traceReadItem->setChecked(stored_.traceReadA);
  inputB.traceReadItem->setChecked(stored_.traceReadB);
  statusBarItem->setChecked(stored_.statusBar);
  indexLabelsItem->setChecked(stored_.indexLabels);
  valueLabelsItem->setChecked(stored_.valueLabels);
  marksSelector->setCurrentIndex(stored_.marksItem);
  labelAngleBox->setValue(stored_.labelAngle);
  czechItem->setChecked(stored_.czech);
  englishItem->setChecked(stored_.english);
  highlightOnItem->setChecked(stored_.highlightOn);
  highlightOffItem->setChecked(stored_.highlightOff);
  htmlHelpItem->setChecked(stored_.htmlHelp);
  winHelpItem->setChecked(stored_.winHelp);
  operationSelector->setCurrentIndex(stored_.operationItem);
  bench_.SetReOpenList(settings::ReadReOpenList(*settings_));
  ChooseSeparators(stored_.dateSeparator, stored_.timeSeparator);
}

void MainWindow::WriteSettings() {
  const QRect placement = normalGeometry().isValid() ? normalGeometry() : geometry();
  settings::MainWindowSettings values = stored_;
  settings::WriteColourScheme(*settings_, colours_);
  values.left = pos().x();
  values.top = pos().y();
  values.width = placement.width();
  values.height = placement.height();
  values.chartToolBar = chartToolBarItem->isChecked();
  values.traceReadA = inputA.traceReadItem->isChecked();
  values.traceReadB = inputB.traceReadItem->isChecked();
  values.statusBar = statusBarItem->isChecked();
  values.indexLabels = indexLabelsItem->isChecked();
  values.valueLabels = valueLabelsItem->isChecked();
  values.marksItem = marksSelector->currentIndex();
  values.labelAngle = labelAngleBox->value();
  values.czech = czechItem->isChecked();
  values.english = englishItem->isChecked();
  values.highlightOn = highlightOnItem->isChecked();
  values.highlightOff = highlightOffItem->isChecked();
  values.htmlHelp = htmlHelpItem->isChecked();
  values.winHelp = winHelpItem->isChecked();
  values.operationItem = operationSelector->currentIndex();
  settings::WriteMainWindowSettings(values, *settings_);
  settings::WriteReOpenList(bench_.ReOpenList(), *settings_);
}

void MainWindow::ChooseSeparators(int date, int time) {
  stored_.dateSeparator = date;
  stored_.timeSeparator = time;
  dateDotItem->setChecked(date == '.');
  dateDashItem->setChecked(date == '-');
  dateSlashItem->setChecked(date == '/');
  timeDotItem->setChecked(time == '.');
  timeColonItem->setChecked(time == ':');
  separators_ = workbench::ChooseSeparators(separators_, date, time);
  UpdateClock();
}

}  // namespace dorvex::gui
