// The main window's texts in its language: captions, hints, grid labels and list
// items from the core's table, put on the controls of those names.
#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>

#include "app/grid_cells.h"
#include "app/hints.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "charts/chart_tool_bar.h"
#include "engine/operation_table.h"
#include "statvex/number_text.h"
#include "texts/main_window_texts.h"

namespace dorvex::gui {

namespace {

constexpr int kZoomInHintMessage = 162;

void SetCaption(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) action->setText(text);
  else if (auto* menu = qobject_cast<QMenu*>(object)) menu->setTitle(text);
  else if (auto* group = qobject_cast<QGroupBox*>(object)) group->setTitle(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(object)) label->setText(text);
}

void SetAnyHint(QObject* object, const QString& hint) {
  if (auto* action = qobject_cast<QAction*>(object)) SetHint(action, hint);
  else if (auto* widget = qobject_cast<QWidget*>(object)) SetHint(widget, hint);
}

// Replaces the items of a list and keeps the chosen one (the first when none was).
void SetItems(QComboBox* list, const std::vector<std::string>& items, int chosen) {
  list->clear();
  for (const std::string& item : items) list->addItem(ToQt(item));
  list->setCurrentIndex(chosen);
}

}  // namespace

void MainWindow::SetWindowTexts() {
  for (const texts::ControlText& text : texts::MainWindowControlTexts(language_)) {
    QObject* object = findChild<QObject*>(ToQt(text.objectName));
    if (object == nullptr) continue;
    if (text.caption) SetCaption(object, ToQt(*text.caption));
    if (text.hint) SetAnyHint(object, ToQt(*text.hint));
  }
  RebuildSlotHints();

  setWindowTitle(ToQt(texts::MainWindowTitle(language_, statvex::VersionText())));
  for (QTableWidget* grid : {inputA.summaryGrid, inputB.summaryGrid, resultSummary, valueAnswerGrid, quantileGrid}) {
    const std::vector<std::string> labels = texts::MainWindowGridLabels(ToStd(grid->objectName()), language_);
    for (int row = 0; row < static_cast<int>(labels.size()); ++row) {
      SetCell(grid, row, 0, ToQt(labels[static_cast<std::size_t>(row)]));
    }
  }
  for (QComboBox* type : {inputA.typeSelector, inputB.typeSelector}) {
    SetItems(type, texts::MainWindowListItems(ToStd(type->objectName()), language_),
             std::max(0, type->currentIndex()));
  }
  const int labelMode = axisLabelsSelector->currentIndex();
  SetItems(axisLabelsSelector, texts::MainWindowListItems(ToStd(axisLabelsSelector->objectName()), language_),
           labelMode < 0 ? (indexLabelsItem->isChecked() ? 0 : 1) : labelMode);
  std::vector<std::string> operations;
  for (const engine::OperationEntry& entry : engine::OperationTable()) {
    operations.push_back(engine::OperationListText(entry.code, language_));
  }
  SetItems(operationSelector, operations, operationSelector->currentIndex());
  SetHint(resultChart, Message(kZoomInHintMessage, language_));
  chartToolBar->SetLanguage(language_);
}

void MainWindow::RebuildSlotHints() {
  // The listing buttons name the slot they list.
  const std::string& nameA = bench_.Slot(model::SlotId::A).name;
  const std::string& nameB = bench_.Slot(model::SlotId::B).name;
  for (const texts::ControlText& text : texts::SlotListingHints(language_, nameA, nameB)) {
    if (QObject* object = findChild<QObject*>(ToQt(text.objectName)); object != nullptr && text.hint) {
      SetAnyHint(object, ToQt(*text.hint));
    }
  }
}

}  // namespace dorvex::gui
