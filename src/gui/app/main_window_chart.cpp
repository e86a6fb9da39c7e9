// The result chart of the main window: drawing with and without a question, the
// label and marks options, the zoom, and the export of the chart.
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include "analysis/chart_texts.h"
#include "analysis/result_commands.h"
#include "app/clock.h"
#include "app/color_ref.h"
#include "app/hints.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "charts/chart_export.h"
#include "charts/draw_histogram.h"
#include "engine/queries.h"
#include "settings/chart_colours.h"
#include "texts/main_window_texts.h"

namespace dorvex::gui {

namespace {

constexpr int kZoomInHintMessage = 162;
constexpr int kZoomOutHintMessage = 163;
constexpr int kProbabilityAxisMessage = 207;

}  // namespace

void MainWindow::DrawResultPicture(const model::Histogram& h, const std::string& title, int marked,
                                   unsigned barColour, unsigned frameColour) {
  HistogramPicture picture;
  picture.mode = ChartMode::Result;
  picture.probabilities = h.P.data() + 1;
  picture.count = h.N;
  picture.d = h.d;
  picture.min = h.Min;
  picture.title = ToQt(title);
  picture.dateLine = ToQt(workbench::ChartDateLine(ClockNow(), separators_));
  picture.labels = indexLabelsItem->isChecked() ? AxisLabelMode::Index : AxisLabelMode::Value;
  picture.marks = {dataLabelsBox->isChecked(), analysis::MarkStyleOfItem(marksSelector->currentIndex()),
                   labelAngleBox->value()};
  picture.language = language_;
  picture.valueAxisTitle = Message(kProbabilityAxisMessage, language_);
  picture.barClicked = [this] { ToggleResultZoom(); };
  if (marked < 0) {
    picture.frame = FromColorRef(settings::kResultBarColour);
    picture.bar = FromColorRef(colours_.item[settings::kResultBars]);
  } else {
    // During a question the bars from the questioned one on take the result colour.
    picture.frame = FromColorRef(frameColour);
    picture.bar = FromColorRef(settings::kResultBarColour);
    picture.marked = marked;
    picture.markedBar = FromColorRef(barColour);
    if (const std::optional<double> at = bench_.QueryPosition()) picture.queryAt = *at;
  }
  markerShown_ = marked >= 0;
  DrawHistogram(resultChart, picture);
  RebuildSlotHints();
}

void MainWindow::DrawResult() {
  if (const engine::OperationResult* result = bench_.Result()) {
    DrawResultPicture(result->histogram, bench_.ResultTitle(), -1, 0, 0);
  }
}

void MainWindow::DrawValueQuery(int marked) {
  if (const engine::OperationResult* result = bench_.Result()) {
    DrawResultPicture(result->histogram, bench_.ResultTitle(), marked, colours_.item[settings::kValueColour], settings::kValueFrameColour);
  }
}

void MainWindow::DrawQuantileQuery(int marked) {
  if (const engine::OperationResult* result = bench_.Result()) {
    DrawResultPicture(result->histogram, bench_.ResultTitle(), marked, colours_.item[settings::kQuantileColour],
                      settings::kQuantileFrameColour);
  }
}

void MainWindow::RedrawResultAfterOption() {
  // Only a shown result with its range editors is drawn again; a question on it goes.
  const engine::OperationResult* result = bench_.Result();
  if (result == nullptr || resultMinField->isHidden() || result->histogram.N <= 1) return;
  valueField->clear();
  probabilityField->clear();
  DrawResult();
  PaintResultListing();
}

void MainWindow::SetLabelMode(bool indexLabels) {
  indexLabelsItem->setChecked(indexLabels);
  valueLabelsItem->setChecked(!indexLabels);
  axisLabelsSelector->setCurrentIndex(indexLabels ? 0 : 1);
  for (model::SlotId slot : {model::SlotId::A, model::SlotId::B}) {
    if (bench_.Slot(slot).loaded) DrawSlot(slot);
  }
  if (!markerShown_) RedrawResultAfterOption();
}

void MainWindow::ChooseAxisLabels(int item) {
  const bool indexLabels = item != 1;
  indexLabelsItem->setChecked(indexLabels);
  valueLabelsItem->setChecked(!indexLabels);
  for (model::SlotId slot : {model::SlotId::A, model::SlotId::B}) {
    if (bench_.Slot(slot).loaded) DrawSlot(slot);
  }
  RepeatQueryOrRedraw();
}

void MainWindow::RepeatQueryOrRedraw() {
  if (bench_.Result() == nullptr) return;
  // A question on screen is asked again, so it keeps its marks.
  const workbench::QueryKind asked = bench_.LastQuestion().kind;
  if (asked == workbench::QueryKind::Quantile && !probabilityField->text().isEmpty()) return LeaveProbabilityField();
  if (asked == workbench::QueryKind::Value && !valueField->text().isEmpty()) return LeaveValueField();
  DrawResult();
}

void MainWindow::ChooseListingHighlight(bool on) {
  if ((on ? highlightOnItem : highlightOffItem)->isChecked() && !(on ? highlightOffItem : highlightOnItem)->isChecked()) {
    return;
  }
  highlightOnItem->setChecked(on);
  highlightOffItem->setChecked(!on);
  PaintResultListing();
}

void MainWindow::ToggleResultZoom() {
  resultZoomed_ = !resultZoomed_;
  inputA.panel->setVisible(!resultZoomed_);
  inputB.panel->setVisible(!resultZoomed_);
  // The row of the input panels gives its height to the result panel.
  if (auto* column = qobject_cast<QBoxLayout*>(centralWidget()->layout())) {
    column->setStretch(kInputRow, resultZoomed_ ? 0 : kInputStretch);
  }
  resultListing->setVisible(resultZoomed_);
  SetHint(resultChart, Message(resultZoomed_ ? kZoomOutHintMessage : kZoomInHintMessage, language_));
  valueField->setFocus();
}

void MainWindow::UndoResultZoom() {
  if (resultZoomed_) ToggleResultZoom();
}

void MainWindow::ExportChartClick() {
  FlushFieldExits();
  const engine::OperationResult* result = bench_.Result();
  if (result == nullptr) return;
  reopenGrid->hide();
  SetChartTitleLines(resultChart, {ToQt(workbench::ExportChartTitle(result->label, ClockNow(), separators_))});
  if (clipboardTargetItem->isChecked()) {
    CopyChartToClipboard(resultChart);
    ShowStatusNote(texts::ChartCopiedText(language_));
    return;
  }
  using analysis::PictureFormat;
  PictureFormat target = PictureFormat::Bmp;
  if (metafileTargetItem->isChecked()) target = PictureFormat::Svg;
  if (jpegTargetItem->isChecked()) target = PictureFormat::Jpeg;
  if (pngTargetItem->isChecked()) target = PictureFormat::Png;
  if (const auto error = SaveChartAs(services_, resultChart, ToQt(folders_.graphs), target, language_)) {
    ReportError(*error);
  }
}

void MainWindow::CopyWindowClick() {
  QWidget* active = QApplication::activeWindow();
  CopyWindowToClipboard(active != nullptr ? active : this);
  ShowStatusNote(texts::WindowCopiedText(language_));
}

}  // namespace dorvex::gui
