// The edit fields of the main window that question or reshape a histogram: the two
// questions, the multiples and the ranges of the inputs and of the result, and the
// key filter they share.
#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

#include "app/grid_cells.h"
#include "app/main_window.h"
#include "app/field_keys.h"
#include "app/qt_text.h"
#include "charts/draw_histogram.h"
#include "statvex/number_text.h"
#include "workbench/number_field.h"

namespace dorvex::gui {

namespace {

using model::SlotId;

QString Number(double x) { return ToQt(statvex::DisplayNumber(x)); }

// Rows of the grids the fields answer in.
constexpr int kResultMinRow = 1;
constexpr int kResultMaxRow = 2;
constexpr int kProbabilityRow = 0;  // P(x); and Qp in the quantile grid
constexpr int kCumulativeRow = 1;   // P(X <= x)
constexpr int kAnswerColumn = 1;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// A field left empty or holding only a sign asks nothing.
bool AsksNothing(const QString& trimmed) { return trimmed.isEmpty() || trimmed == QLatin1String("-"); }

}  // namespace

void MainWindow::InstallFieldHandling() {
  numberFields_ = {valueField,       probabilityField, inputA.multipleField, inputB.multipleField,
                   inputA.minField,  inputA.maxField,  inputB.minField,      inputB.maxField,
                   resultMinField,   resultMaxField,   resultMultipleField};
  // Every field of the window, so that none keeps the open commands' short-cuts.
  for (QLineEdit* field : findChildren<QLineEdit*>()) field->installEventFilter(this);
  connect(resultMultipleField, &QLineEdit::textEdited, this, &MainWindow::ResetAnswers);
}

bool MainWindow::FieldEvent(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Ctrl+A and Ctrl+B open A and B wherever the focus is, not select a field's text.
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    if (pressed == inputA.openItem->shortcut() || pressed == inputB.openItem->shortcut()) {
      event->ignore();
      return true;
    }
    return false;
  }
  if (field == exponentField && event->type() == QEvent::KeyPress) return ExponentKey(static_cast<QKeyEvent*>(event));
  if (!numberFields_.contains(field)) return false;
  const bool inputField = field == inputA.multipleField || field == inputB.multipleField ||
                          field == inputA.minField || field == inputA.maxField || field == inputB.minField ||
                          field == inputB.maxField;
  const bool valueGroup =
      field == valueField || field == resultMultipleField || field == resultMinField || field == resultMaxField;

  if (event->type() == QEvent::FocusOut) {
    // A dialog or menu taking the focus for a moment is no leaving of the field.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) QueueFieldExit(field);
    return false;
  }
  if (event->type() == QEvent::MouseButtonRelease && (field == valueField || field == probabilityField)) {
    QueueFieldExit(field);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);

  // Emptying a question's field takes its own highlighting off the chart.
  const workbench::QueryKind asked = bench_.LastQuestion().kind;
  if (markerShown_ &&
      ((valueGroup && asked == workbench::QueryKind::Value && valueField->text().isEmpty()) ||
       (field == probabilityField && asked == workbench::QueryKind::Quantile && probabilityField->text().isEmpty()))) {
    DrawResult();
  }
  if (IsEnter(key->key())) {
    if (inputField) inputB.multipleField->setFocus(Qt::TabFocusReason);
    if (valueGroup) probabilityField->setFocus(Qt::TabFocusReason);
    if (field == probabilityField) valueField->setFocus(Qt::TabFocusReason);
    return true;
  }
  return FilterFieldKey(field, key, workbench::FilterNumberKey, *services_.sound);
}

bool MainWindow::ExponentKey(QKeyEvent* key) {
  // Enter asks nothing of the exponent: swallowed.
  if (IsEnter(key->key())) return true;
  return FilterFieldKey(exponentField, key, workbench::FilterExponentKey, *services_.sound);
}

void MainWindow::QueueFieldExit(QLineEdit* field) {
  // Handled after the focus change has ended, so that a message box or a focus
  // set back does not cut into it.
  if (pendingExits_.contains(field)) return;
  pendingExits_.append(field);
  QMetaObject::invokeMethod(this, &MainWindow::FlushFieldExits, Qt::QueuedConnection);
}

void MainWindow::FlushFieldExits() {
  while (!pendingExits_.isEmpty()) RunFieldExit(pendingExits_.takeFirst());
}

void MainWindow::RunFieldExit(QLineEdit* field) {
  if (field == valueField) return LeaveValueField();
  if (field == probabilityField) return LeaveProbabilityField();
  // Leaving a field as it was set changes nothing, so the result stays.
  if (!field->isModified()) return;
  field->setModified(false);
  for (SlotId slot : {SlotId::A, SlotId::B}) {
    const InputControls& c = Input(slot);
    if (field == c.multipleField) return LeaveMultipleField(slot);
    if (field == c.minField) return LeaveRangeField(slot, engine::RangeEnd::Min);
    if (field == c.maxField) return LeaveRangeField(slot, engine::RangeEnd::Max);
  }
  if (field == resultMinField) return LeaveResultRangeField(engine::RangeEnd::Min);
  if (field == resultMaxField) return LeaveResultRangeField(engine::RangeEnd::Max);
  if (field == resultMultipleField) return LeaveResultMultipleField();
}

void MainWindow::ResetAnswers() {
  SetCell(valueAnswerGrid, kProbabilityRow, kAnswerColumn, Number(0.0));
  SetCell(valueAnswerGrid, kCumulativeRow, kAnswerColumn, Number(0.0));
  SetCell(quantileGrid, kProbabilityRow, kAnswerColumn, Number(0.0));
}

void MainWindow::LeaveValueField() {
  if (bench_.Result() == nullptr) return;
  SetCell(valueAnswerGrid, kProbabilityRow, kAnswerColumn, Number(0.0));
  SetCell(valueAnswerGrid, kCumulativeRow, kAnswerColumn, Number(0.0));
  const QString text = valueField->text();
  if (text.isEmpty()) {
    bench_.WithdrawQuestion(workbench::QueryKind::Value);
    // Only a value question of its own goes; a quantile on screen stays.
    if (bench_.LastQuestion().kind != workbench::QueryKind::Quantile) DrawResult();
    return;
  }
  const std::optional<double> x = workbench::ReadFieldNumber(ToStd(text));
  if (!x) {
    valueField->setFocus();
    ReportError(workbench::RefusedValueError(ToStd(text)));
    // Back to the value in force, answered again.
    valueField->setText(ToQt(workbench::InForceText(bench_.AnsweredValue())));
    if (!valueField->text().isEmpty()) LeaveValueField();
    return;
  }
  const engine::ValueAnswer answer = bench_.AskValue(*x);
  if (!answer.admissible) {
    valueField->clear();
    ShowStatusNote(bench_.UnansweredValueText(language_));
    DrawResult();
    PaintResultListing();
    return;
  }
  ShowStatusNote({});
  SetCell(valueAnswerGrid, kProbabilityRow, kAnswerColumn, Number(answer.probability));
  SetCell(valueAnswerGrid, kCumulativeRow, kAnswerColumn, Number(static_cast<double>(answer.cumulative)));
  DrawValueQuery(answer.markedIntervals);
  if (answer.atUpperBound) {
    QStringList title = ChartTitleLines(resultChart);
    title.last() = ToQt(workbench::UpperBoundValueTitle(ToStd(text), language_));
    SetChartTitleLines(resultChart, title);
  }
  PaintResultListing();
}

void MainWindow::LeaveProbabilityField() {
  if (bench_.Result() == nullptr) return;
  SetCell(quantileGrid, kProbabilityRow, kAnswerColumn, Number(0.0));
  const QString text = probabilityField->text();
  if (text.isEmpty()) {
    bench_.WithdrawQuestion(workbench::QueryKind::Quantile);
    if (bench_.LastQuestion().kind != workbench::QueryKind::Value) DrawResult();
    return;
  }
  const std::optional<double> p = workbench::ReadFieldNumber(ToStd(text));
  if (!p) {
    probabilityField->setFocus();
    if (text == QLatin1String("-")) {
      probabilityField->clear();
      bench_.WithdrawQuestion(workbench::QueryKind::Quantile);
      services_.sound->Beep();
      return;
    }
    ReportError(workbench::RefusedNumberError());
    // Back to the probability in force, answered again.
    probabilityField->setText(ToQt(workbench::InForceText(bench_.AnsweredProbability())));
    if (!probabilityField->text().isEmpty()) LeaveProbabilityField();
    return;
  }
  const engine::QuantileAnswer answer = bench_.AskQuantile(*p);
  if (!answer.admissible) {
    probabilityField->clear();
    ShowStatusNote(workbench::Workbench::UnansweredProbabilityText(language_));
    DrawResult();
    PaintResultListing();
    return;
  }
  ShowStatusNote({});
  if (answer.probabilityIsOne) probabilityField->setText(QStringLiteral("1"));
  SetCell(quantileGrid, kProbabilityRow, kAnswerColumn, Number(answer.value));
  DrawQuantileQuery(answer.markedIntervals);
  PaintResultListing();
}

void MainWindow::LeaveMultipleField(SlotId slot) {
  InputControls& c = Input(slot);
  const QString trimmed = c.multipleField->text().trimmed();
  // An empty field asks for the multiple 1.
  const std::optional<double> n = trimmed.isEmpty() ? 1.0 : workbench::ReadFieldNumber(ToStd(trimmed));
  if (!n) {
    c.multipleField->setFocus();
    ReportError(workbench::RefusedNumberError());
    // Back to the multiple the slot still has.
    c.multipleField->setText(ToQt(statvex::NumberText(bench_.Slot(slot).multiple)));
    return;
  }
  const workbench::MultipleOutcome outcome = bench_.SetMultiple(slot, *n);
  if (outcome.error) ReportError(*outcome.error);
  c.multipleField->setText(ToQt(bench_.MultipleText(slot)));
  if (!outcome.rescaled) return;
  ShowEmptyResult();
  ShowSlotRange(slot);
  DrawSlot(slot);
}

void MainWindow::LeaveRangeField(SlotId slot, engine::RangeEnd end) {
  InputControls& c = Input(slot);
  const bool isMin = end == engine::RangeEnd::Min;
  QLineEdit* field = isMin ? c.minField : c.maxField;
  const QString text = field->text().trimmed();
  if (AsksNothing(text)) return;
  if (!bench_.Slot(slot).loaded) {
    field->clear();
    return;
  }
  const auto showEnd = [&] {
    const model::Histogram& scaled = bench_.Slot(slot).scaled;
    field->setText(Number(isMin ? scaled.Min : scaled.Max));
  };
  // The slot no longer is what its file holds.
  const auto forgetFile = [&c] {
    c.listFileButton->setEnabled(false);
    c.listFileItem->setEnabled(false);
  };
  const std::optional<double> value = workbench::ReadFieldNumber(ToStd(text));
  if (!value) {
    field->setFocus();
    ShowModelError(workbench::RefusedRangeError(ToStd(text)));
    showEnd();
    forgetFile();
    return;
  }
  if (const auto refusal = bench_.PlaceRange(slot, end, *value)) {
    ShowModelError(*refusal);
    showEnd();
    return;
  }
  ShowEmptyResult();
  showEnd();
  DrawSlot(slot);
  forgetFile();
}

void MainWindow::LeaveResultRangeField(engine::RangeEnd end) {
  if (bench_.Result() == nullptr) return;
  const bool isMin = end == engine::RangeEnd::Min;
  QLineEdit* field = isMin ? resultMinField : resultMaxField;
  const QString text = field->text().trimmed();
  if (AsksNothing(text)) return;
  const auto showRange = [&] {
    const model::Histogram& h = bench_.Result()->histogram;
    field->setText(Number(isMin ? h.Min : h.Max));
  };
  const std::optional<double> value = workbench::ReadFieldNumber(ToStd(text));
  if (!value) {
    ShowModelError(workbench::RefusedRangeError(ToStd(text)));
    showRange();
    BuildResultListing();
    valueField->setFocus();
    return;
  }
  if (const auto refusal = bench_.PlaceResultRange(end, *value)) {
    ShowModelError(*refusal);
    showRange();
    return;
  }
  showRange();
  SetCell(resultSummary, isMin ? kResultMinRow : kResultMaxRow, kAnswerColumn, field->text());
  valueField->clear();
  probabilityField->clear();
  DrawResult();
  BuildResultListing();
  valueField->setFocus();
}

void MainWindow::LeaveResultMultipleField() {
  if (bench_.Result() == nullptr) return;
  const QString text = resultMultipleField->text();
  const std::optional<double> n = workbench::ReadFieldNumber(ToStd(text));
  if (!n) {
    ShowModelError(workbench::RefusedRangeError(ToStd(text)));
    // Back to the multiple the result has.
    resultMultipleField->setText(ToQt(bench_.ResultMultipleText()));
    BuildResultListing();
    valueField->setFocus();
    return;
  }
  RunAndShow(*n);
  BuildResultListing();
  valueField->setFocus();
}

}  // namespace dorvex::gui
