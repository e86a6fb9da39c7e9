// The main window's side of the generator windows: opening one from an input-type
// selector and taking its histogram into the slot.

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>

#include "app/main_window.h"
#include "app/color_ref.h"
#include "app/qt_text.h"
#include "charts/draw_histogram.h"
#include "sources/parametric_display.h"
#include "expressions/expression_window.h"
#include "settings/document_folders.h"
#include "sources/description_window.h"
#include "sources/parametric_window.h"
#include "sources/typed_histogram.h"
#include "texts/description_window_texts.h"
#include "tables/histogram_table_window.h"
#include "tables/table_graph_window.h"
#include "rawdata/raw_data_window.h"
#include "texts/raw_data_window_texts.h"
#include "texts/parametric_window_texts.h"
#include "texts/table_window_texts.h"

namespace dorvex::gui {

using model::SlotId;

void MainWindow::CreateGenerators() {
  parametricWindow = new ParametricWindow(services_, settings_, ToQt(folders_.graphs), language_, this);
  connect(parametricWindow, &ParametricWindow::HandedOver, this, &MainWindow::AcceptGeneratedHistogram);
  connect(parametricWindow, &ParametricWindow::Closed, this, &MainWindow::GeneratorClosed);
  connect(parametricWindow, &ParametricWindow::ValueLabelsChosen, this,
          [this](bool valueLabels) { SetLabelMode(!valueLabels); });
  descriptionWindow = new DescriptionWindow(services_, settings_, ToQt(folders_.calculated), this);
  connect(descriptionWindow, &DescriptionWindow::Saved, this, &MainWindow::AcceptTypedHistogram);
  connect(descriptionWindow, &DescriptionWindow::Closed, this, [this](SlotId slot) { GeneratorClosed(slot); });
  tableGraphWindow = new TableGraphWindow(settings_, language_, this);
  const TableFolders tableFolders{ToQt(folders_.histograms), ToQt(folders_.calculated)};
  summaryWindow = new HistogramTableWindow(texts::TableWindow::Summary, services_, settings_, tableFolders,
                                           tableGraphWindow, language_, this);
  combinationWindow = new HistogramTableWindow(texts::TableWindow::Combination, services_, settings_, tableFolders,
                                               tableGraphWindow, language_, this);
  for (HistogramTableWindow* window : {summaryWindow, combinationWindow}) {
    connect(window, &HistogramTableWindow::HandedOver, this, &MainWindow::AcceptTableHistogram);
    connect(window, &HistogramTableWindow::Closed, this, &MainWindow::GeneratorClosed);
    connect(window, &HistogramTableWindow::ResultCleared, this, &MainWindow::ClearResult);
  }
  rawDataWindow = new RawDataWindow(services_, settings_, ToQt(folders_.rawData), ToQt(folders_.graphs), language_, this);
  // The raw-data histogram comes into a cleared slot, its multiple back to 1.
  connect(rawDataWindow, &RawDataWindow::HandedOver, this,
          [this](const model::HandOverBuffer& buffer, const QString& name) {
            ClearSlot(buffer.target);
            AcceptGeneratedHistogram(buffer, name);
          });
  connect(rawDataWindow, &RawDataWindow::Closed, this, &MainWindow::GeneratorClosed);
  expressionWindow = new ExpressionWindow(services_, gui::ToQt(settings::OpenDialogFolder(folders_, ToStd(options_.examplesFolder))), this);
  connect(expressionWindow, &ExpressionWindow::Evaluated, this, &MainWindow::AcceptExpressionResult);
  connect(expressionItem, &QAction::triggered, this, [this] {
    reopenGrid->hide();
    expressionWindow->SetLanguage(language_);
    expressionWindow->OpenWith(bench_.Slot(SlotId::A), bench_.Slot(SlotId::B));
  });
  for (SlotId slot : {SlotId::A, SlotId::B}) {
    connect(Input(slot).typeSelector, &QComboBox::activated, this,
            [this, slot](int item) { ChooseInputSource(slot, item); });
  }
}

void MainWindow::ChooseInputSource(SlotId slot, int item) {
  if (item == texts::kTypedHistogramSourceItem) return OpenDescription(slot);
  if (item == texts::kSummarySourceItem || item == texts::kCombinationSourceItem) return OpenTableWindow(slot, item);
  if (parametricWindow->isVisible() || rawDataWindow->isVisible()) return;
  if (item == texts::kRawDataSourceItem) {
    FlushFieldExits();
    EnableForGenerator(false);
    rawDataWindow->OpenFor({slot, valueLabelsItem->isChecked(), separators_});
    return;
  }
  if (item != texts::kParametricSourceItem) return;
  FlushFieldExits();
  ClearSlot(slot);
  ClearHistogramChart(Input(slot).chart, {ToQt(sources::GeneratingSlotTitle(slot))});
  Input(slot).multipleField->setEnabled(false);
  EnableForGenerator(false);
  // The colour settings live in A's summary table and multiple field; the Active colours,
  // as the multiple may just have been disabled.
  const InputControls& a = Input(SlotId::A);
  const ParametricLook look{a.summaryGrid->font(),
                            a.summaryGrid->palette().color(QPalette::Active, QPalette::Text),
                            a.multipleField->font(),
                            a.multipleField->palette().color(QPalette::Active, QPalette::Text),
                            a.multipleField->palette().color(QPalette::Active, QPalette::Base),
                            FromColorRef(colours_.item[settings::kGeneratorBars])};
  parametricWindow->OpenFor({slot, valueLabelsItem->isChecked(), chartToolBarItem->isChecked(),
                             !highlightOffItem->isChecked(), separators_, look});
}

void MainWindow::AcceptGeneratedHistogram(const model::HandOverBuffer& buffer, const QString& name) {
  bench_.AcceptGenerated(buffer, ToStd(name));
  ShowAccepted(buffer.target);
}

void MainWindow::AcceptExpressionResult(const engine::OperationResult& result, const QStringList& record) {
  UndoResultZoom();
  bench_.TakeOutsideResult(result);
  workbench::RunOutcome run;
  run.outcome.result = result;
  ShowEmptyResult();
  ShowRun(run);
  resultRecord_.clear();
  for (const QString& line : record) resultRecord_.push_back(ToStd(line));
}

void MainWindow::ShowAccepted(SlotId slot) {
  ShowEmptyResult();
  ShowSlotSummary(slot);
  DrawSlot(slot);
  InputControls& c = Input(slot);
  c.describeButton->setEnabled(true);
  c.describeItem->setEnabled(true);
}

void MainWindow::OpenDescription(SlotId slot) {
  if (descriptionWindow->isVisible()) return;
  FlushFieldExits();
  reopenGrid->hide();
  const InputControls& c = Input(slot);
  const sources::TypedHistogram form =
      sources::TypedFormOfSlot(bench_.Slot(slot), ToStd(c.minField->text()), ToStd(c.maxField->text()));
  EnableForGenerator(false);
  descriptionWindow->SetLanguage(language_);
  descriptionWindow->OpenFor(slot, form);
}

void MainWindow::AcceptTypedHistogram(const model::HandOverBuffer& buffer, const QString& name, const QString& path,
                                      qint64 frequencySum) {
  bench_.AcceptTyped(buffer, ToStd(name), ToStd(path), frequencySum);
  ShowAccepted(buffer.target);
  Input(buffer.target).multipleField->setText(ToQt(bench_.MultipleText(buffer.target)));
  EnableSlotCommands(buffer.target, true);
}

void MainWindow::OpenTableWindow(SlotId slot, int item) {
  HistogramTableWindow* window = item == texts::kSummarySourceItem ? summaryWindow : combinationWindow;
  if (summaryWindow->isVisible() || combinationWindow->isVisible()) return;
  FlushFieldExits();
  EnableForGenerator(false);
  TableGraphLook look;
  look.valueLabels = valueLabelsItem->isChecked();
  look.gridColours = !highlightOffItem->isChecked();
  look.chartToolBar = chartToolBarItem->isChecked();
  look.bars = FromColorRef(colours_.item[settings::kGeneratorBars]);
  window->OpenFor({slot, look});
}

void MainWindow::AcceptTableHistogram(const model::HandOverBuffer& buffer, const QString& name) {
  bench_.AcceptGenerated(buffer, ToStd(name));
  bench_.MakeScaledBase(buffer.target);
  ShowAccepted(buffer.target);
}

void MainWindow::GeneratorClosed(SlotId slot) {
  InputControls& c = Input(slot);
  {
    const QSignalBlocker block(c.typeSelector);
    c.typeSelector->setCurrentIndex(0);
  }
  c.multipleField->setEnabled(true);
  if (!bench_.Slot(slot).loaded) ShowEmptySlot(slot);
  EnableForGenerator(true);
  activateWindow();
}

void MainWindow::EnableForGenerator(bool on) {
  for (QWidget* part : std::initializer_list<QWidget*>{centralWidget(), menuBar(), statusBar()}) part->setEnabled(on);
}

}  // namespace dorvex::gui
