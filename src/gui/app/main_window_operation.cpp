// The operation of the main window: running it, showing its result and the result
// listing.
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>

#include <climits>

#include "analysis/reliability_summary.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "engine/operation_table.h"
#include "statvex/number_text.h"

namespace dorvex::gui {

namespace {

// Listing colours (0x00BBGGRR).
constexpr unsigned kPlainRow = 0xFFE1E1;
constexpr unsigned kBelowValueRow = 0xB0D8FF;
constexpr unsigned kBelowQuantileRow = 0xFFC1C1;
constexpr unsigned kTotalRow = 0xB3CBFF;
// The type row of the result summary, filled before the run.
constexpr int kTypeRow = 0;
constexpr int kValueColumn = 1;
// The progress bar and the window repaint this often during a long run.
constexpr int kRepaintMilliseconds = 50;

int ProgressSteps(std::int64_t steps) { return static_cast<int>(std::min<std::int64_t>(steps, INT_MAX)); }

}  // namespace

workbench::RunRequest MainWindow::RunRequestFromControls() {
  workbench::RunRequest request;
  request.code = engine::OperationCodeAt(operationSelector->currentIndex());
  request.exponent = ToStd(exponentField->text().trimmed());
  request.pointLimit = stored_.pointLimit;
  return request;
}

void MainWindow::RunClick() {
  FlushFieldExits();
  RunAndShow(std::nullopt);
}

void MainWindow::RunAndShow(const std::optional<double>& resultMultiple) {
  reopenGrid->hide();
  ClearResult();
  workbench::RunRequest request = RunRequestFromControls();
  SetCell(resultSummary, kTypeRow, kValueColumn, ToQt(model::TypeText(bench_.ResultTypeOf(request.code))));
  progressBar->setRange(0, 1);
  progressBar->setValue(0);
  progressBar->show();
  progressBar->repaint();

  // The run blocks this thread; the window keeps painting but takes no input meanwhile.
  QElapsedTimer sinceRepaint;
  sinceRepaint.start();
  request.progress = [this, &sinceRepaint](std::int64_t done, std::int64_t total) {
    if (sinceRepaint.elapsed() < kRepaintMilliseconds && done < total) return;
    progressBar->setRange(0, ProgressSteps(total));
    progressBar->setValue(ProgressSteps(done));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint.restart();
  };
  const workbench::RunOutcome run =
      resultMultiple ? bench_.Rescale(request, *resultMultiple) : bench_.Run(request);
  if (run.notice) ShowModelError(*run.notice);
  ShowRun(run);
}

void MainWindow::ShowRun(const workbench::RunOutcome& run) {
  const engine::OperationOutcome& outcome = run.outcome;
  if (!outcome.result) {
    // The run stopped: the result was cleared at its start.
    progressBar->hide();
    if (outcome.error) ShowModelError(*outcome.error);
    return;
  }
  const engine::OperationResult& result = *outcome.result;
  const model::Histogram& h = result.histogram;
  progressBar->setRange(1, std::max(1, h.N));
  progressBar->setValue(1);
  resultMinField->setText(ToQt(statvex::DisplayNumber(h.Min)));
  resultMaxField->setText(ToQt(statvex::DisplayNumber(h.Max)));
  FillColumn(resultSummary, workbench::ResultSummaryTexts(result));
  resultMultipleField->setText(ToQt(bench_.ResultMultipleText()));
  // Drawn from the outcome itself, so that an invalid result stays on screen too.
  DrawResultPicture(h, workbench::ResultTitle(result.label, run.multiple), -1, 0, 0);
  if (outcome.error) {
    // The probabilities do not sum to 1: shown, but nothing may be done with it.
    progressBar->hide();
    ShowModelError(*outcome.error);
    return;
  }
  BuildResultListing();
  ShowReliability();
  EnableResultCommands(true);
  ShowRangeEditors(true);
  progressBar->hide();
  valueField->setFocus();
}

void MainWindow::BuildResultListing() {
  resultListing->clearContents();
  const std::vector<analysis::ListingRow> rows = bench_.ResultListing(language_);
  if (rows.empty()) {
    resultListing->setRowCount(1);
    return;
  }
  resultListing->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    const analysis::ListingRow& cells = rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
      SetCell(resultListing, row, column, ToQt(cells[static_cast<std::size_t>(column)]));
    }
  }
  PaintResultListing();
}

void MainWindow::PaintResultListing() {
  if (bench_.Result() == nullptr || resultListing->rowCount() < 2) return;
  const analysis::ListingQuery query =
      bench_.ShadedQuery(!valueField->text().isEmpty(), !probabilityField->text().isEmpty());
  const std::vector<analysis::ListingShade> shades = bench_.ResultListingShades(query);
  const bool highlight = !highlightOffItem->isChecked();
  const QFont bold = [this] {
    QFont font = resultListing->font();
    font.setBold(true);
    return font;
  }();
  for (int row = 0; row < resultListing->rowCount() && row < static_cast<int>(shades.size()); ++row) {
    const analysis::ListingShade shade = shades[static_cast<std::size_t>(row)];
    unsigned colour = 0;
    bool painted = highlight;
    switch (shade) {
      case analysis::ListingShade::Grid: painted = false; break;
      case analysis::ListingShade::Plain: colour = kPlainRow; break;
      case analysis::ListingShade::BelowValue: colour = kBelowValueRow; break;
      case analysis::ListingShade::BelowQuantile: colour = kBelowQuantileRow; break;
      case analysis::ListingShade::Total: colour = kTotalRow; break;
    }
    for (int column = 0; column < resultListing->columnCount(); ++column) {
      QTableWidgetItem* item = resultListing->item(row, column);
      if (item == nullptr) {
        SetCell(resultListing, row, column, QString());
        item = resultListing->item(row, column);
      }
      const bool paint = painted && !(shade == analysis::ListingShade::Total && column == 0);
      item->setBackground(paint ? QBrush(FromColorRef(colour)) : QBrush());
      item->setTextAlignment(paint ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
      if (row == 0) item->setFont(bold);
    }
  }
}

void MainWindow::ShowReliability() {
  const engine::OperationResult* result = bench_.Result();
  if (result == nullptr) {
    reliabilityLabel->clear();
    reliabilityLabel->setToolTip(QString());
    return;
  }
  const analysis::ReliabilitySummary summary =
      analysis::SummariseReliability(*result, targetIndexBox->value(), language_);
  QString text = ToQt(analysis::ReliabilityLine(summary, language_));
  // The column is narrow: beta goes on a line of its own rather than breaking apart.
  text.replace(QStringLiteral("   β"), QStringLiteral("\nβ"));
  for (const std::string& warning : summary.warnings) text += QLatin1Char('\n') + ToQt(warning);
  reliabilityLabel->setText(text);
  // Below the target the line is red, at or above it green.
  QPalette colours = reliabilityLabel->palette();
  colours.setColor(QPalette::WindowText, summary.beta < summary.targetBeta ? QColor(170, 0, 0) : QColor(0, 110, 0));
  reliabilityLabel->setPalette(colours);
  QStringList report;
  for (const std::string& line : analysis::ReliabilityReportLines(summary, language_)) report << ToQt(line);
  reliabilityLabel->setToolTip(report.join(QLatin1Char('\n')));
}

}  // namespace dorvex::gui
