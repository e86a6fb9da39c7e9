// The operation of the main window: running it, showing its result and the result
// listing.
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTableWidget>

#include <climits>

#include "app/Prob_u.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "engine/queries.h"
#include "engine/rescale.h"
#include "model/listing_rows.h"
#include "model/slot_texts.h"
#include "statvex/number_text.h"

namespace dorvex::gui {

namespace {

// Listing colours (0x00BBGGRR).
constexpr unsigned kPlainRow = 0xFFE1E1;
constexpr unsigned kBelowValueRow = 0xB0D8FF;
constexpr unsigned kBelowQuantileRow = 0xFFC1C1;
constexpr unsigned kTotalRow = 0xB3CBFF;
// The progress bar and the window repaint this often during a long run.
constexpr int kRepaintMilliseconds = 50;

QString FromStd(const std::string& text) { return QString::fromStdString(text); }
QString NumberText(double x) { return FromStd(statvex::DisplayNumber(x)); }

}  // namespace

engine::OperationRequest TForm1::OperationRequestFromControls() {
  engine::OperationRequest request;
  request.code = ComboBox_Operace->currentIndex() + 1;
  request.a = slotA_.loaded ? &slotA_.scaled : nullptr;
  request.b = slotB_.loaded ? &slotB_.scaled : nullptr;
  request.exponent = EdMocnitel->text().trimmed().toStdString();
  request.pointLimit = maxResultIntervals_;
  return request;
}

void TForm1::Button_Proved_OperaciClick() {
  FlushFieldExits();
  RunAndShow([](engine::OperationRequest& request, QString& label, QString& shown) {
    label = shown = QStringLiteral("1.00");
    return engine::RunOperation(request);
  });
}

void TForm1::RunAndShow(const RunStep& run) {
  StringGrid1->hide();
  ClearResult();
  engine::OperationRequest request = OperationRequestFromControls();
  SetCell(StringGrid5, 0, 1, QString::fromLatin1(model::TypeText(engine::ResultType(request))));
  ProgressBar1->setRange(0, 1);
  ProgressBar1->setValue(0);
  ProgressBar1->show();
  ProgressBar1->repaint();

  // The run blocks this thread; the window keeps painting but takes no input meanwhile.
  QElapsedTimer sinceRepaint;
  sinceRepaint.start();
  request.progress = [this, &sinceRepaint](std::int64_t done, std::int64_t total) {
    if (sinceRepaint.elapsed() < kRepaintMilliseconds && done < total) return;
    ProgressBar1->setRange(0, static_cast<int>(std::min<std::int64_t>(total, INT_MAX)));
    ProgressBar1->setValue(static_cast<int>(std::min<std::int64_t>(done, INT_MAX)));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint.restart();
  };
  resultCode_ = request.code;
  QString label;
  QString shown;
  const engine::OperationOutcome outcome = run(request, label, shown);
  ShowOutcome(outcome, label, shown);
}

void TForm1::ShowOutcome(const engine::OperationOutcome& outcome, const QString& multipleLabel,
                         const QString& multipleShown) {
  if (!outcome.result) {
    // The run stopped: the result was cleared at its start; the bar keeps its place.
    if (outcome.error) ShowModelError(*outcome.error);
    return;
  }
  const engine::OperationResult& r = outcome.result.value();
  const model::Histogram& h = r.histogram;
  resultChartTitle_ = QStringLiteral("Histogram : ") + FromStd(r.label) + QStringLiteral("   (nAB=") + multipleLabel +
                      QLatin1Char(')');
  resultMultipleText_ = multipleShown;
  ProgressBar1->setRange(1, std::max(1, h.N));
  ProgressBar1->setValue(1);
  EdXMin->setText(NumberText(h.Min));
  EdXMax->setText(NumberText(h.Max));
  SetCell(StringGrid5, 1, 1, NumberText(h.Min));
  SetCell(StringGrid5, 2, 1, NumberText(h.Max));
  EdNasob->setText(multipleShown);
  SetCell(StringGrid5, 3, 1, FromStd(model::IntervalCountText(h.N)));
  SetCell(StringGrid5, 4, 1, FromStd(model::ProbabilitySumText(r.probabilitySum)));
  SetCell(StringGrid5, 5, 1, FromStd(model::ResultTotalText(r.total)));
  failureProbability_ = r.failureProbability;

  // Drawn from the result itself, so that an invalid result stays on screen too.
  result_ = r;
  DrawResult();
  if (outcome.error) {
    // The probabilities do not sum to 1: shown, but nothing may be done with it.
    result_.reset();
    ShowModelError(*outcome.error);
    return;
  }
  BuildResultListing();
  EnableResultCommands(true);
  for (QWidget* editor : std::initializer_list<QWidget*>{EdXMin, EdXMax, EdNasob, Label19, Label23, Label13}) {
    editor->show();
  }
  ProgressBar1->hide();
  Edit_P->setFocus();
}

void TForm1::ShowModelError(const model::ModelError& error) {
  if (error.code != 0) {
    ReportError(error, 0);
    return;
  }
  const model::ErrorText text = model::ComposeReportError(error, texts::CurrentLanguage());
  services_.messages->DefMessageDlg(FromStd(text.title), FromStd(text.text), MessageKind::Error, MessageButtons::Ok,
                                    kResultOk);
}

void TForm1::BuildResultListing() {
  StringGrid2->clearContents();
  if (!result_) {
    StringGrid2->setRowCount(1);
    return;
  }
  const bool binary = engine::IsBinaryOperation(resultCode_);
  const long double c = model::FrequencyMultiplier(slotA_.base.Total, binary ? slotB_.base.Total : 0.0L,
                                                   result_->totalExtended);
  const auto rows = model::ResultListingRows(result_->histogram, c, texts::CurrentLanguage());
  StringGrid2->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; column < 4; ++column) SetCell(StringGrid2, row, column, FromStd(rows[row][column]));
  }
  PaintResultListing();
}

void TForm1::PaintResultListing() {
  if (!result_ || StringGrid2->rowCount() < 2) return;
  model::ListingQuery query = model::ListingQuery::None;
  if (lastQuery_ == Query::Value && !Edit_P->text().isEmpty()) query = model::ListingQuery::Value;
  if (lastQuery_ == Query::Quantile && !Edit_AB->text().isEmpty()) query = model::ListingQuery::Quantile;
  const auto shades = model::ResultListingShades(result_->histogram, query, queriedValue_);
  const bool highlight = !Ne1->isChecked();
  const QFont bold = [this] {
    QFont font = StringGrid2->font();
    font.setBold(true);
    return font;
  }();
  for (int row = 0; row < StringGrid2->rowCount() && row < static_cast<int>(shades.size()); ++row) {
    unsigned colour = 0;
    bool painted = highlight;
    switch (shades[row]) {
      case model::ListingShade::Grid: painted = false; break;
      case model::ListingShade::Plain: colour = kPlainRow; break;
      case model::ListingShade::BelowValue: colour = kBelowValueRow; break;
      case model::ListingShade::BelowQuantile: colour = kBelowQuantileRow; break;
      case model::ListingShade::Total: colour = kTotalRow; break;
    }
    for (int column = 0; column < StringGrid2->columnCount(); ++column) {
      QTableWidgetItem* item = StringGrid2->item(row, column);
      if (item == nullptr) {
        SetCell(StringGrid2, row, column, QString());
        item = StringGrid2->item(row, column);
      }
      const bool paint = painted && !(shades[row] == model::ListingShade::Total && column == 0);
      item->setBackground(paint ? QBrush(FromColorRef(colour)) : QBrush());
      item->setTextAlignment(paint ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
      if (row == 0) item->setFont(bold);
    }
  }
}

}  // namespace dorvex::gui
