// The edit fields of the main window that question or reshape a histogram: the two
// queries, the multiples and the ranges of the inputs and of the result, and the
// key filter they share.
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

#include "app/Prob_u.h"
#include "app/grid_cells.h"
#include "charts/draw_histogram.h"
#include "engine/multiples.h"
#include "engine/queries.h"
#include "engine/rescale.h"
#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

using model::SlotId;

constexpr int kInvalidNumberWithTextCode = 18;   // message 20 + the text
constexpr int kInvalidNumberCode = 20;  // message 136
constexpr int kInvalidNumberMessage = 20;
constexpr int kValueTitleMessage = 154;

QString FromStd(const std::string& text) { return QString::fromStdString(text); }
QString NumberText(double x) { return FromStd(statvex::DisplayNumber(x)); }
// A multiple as the fields show it: the number text without its leading blanks.
QString MultipleText(double n) { return FromStd(statvex::NumberText(n)); }

// The number in a field's text; false when it does not convert or begins with "E".
bool ReadNumber(const QString& text, double& value) {
  const QString trimmed = text.trimmed();
  if (trimmed.startsWith(QLatin1Char('E'), Qt::CaseInsensitive)) return false;
  return statvex::ParseLenient(trimmed.toStdString(), value);
}

model::ModelError InvalidNumberWithText(const QString& text) {
  model::ModelError error;
  error.message = kInvalidNumberMessage;
  error.append = text.toStdString();
  return error;
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

void TForm1::InstallFieldHandling() {
  for (QLineEdit* field : {Edit_P, Edit_AB, Edit_NasA, Edit_NasB, Edit_MinA, Edit_MaxA, Edit_MinB, Edit_MaxB, EdXMin,
                           EdXMax, EdNasob}) {
    field->installEventFilter(this);
  }
  connect(EdNasob, &QLineEdit::textEdited, this, &TForm1::EdNasobChange);
}

bool TForm1::FieldEvent(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return false;
  const bool inputField = field == Edit_NasA || field == Edit_NasB || field == Edit_MinA || field == Edit_MaxA ||
                          field == Edit_MinB || field == Edit_MaxB;
  const bool valueGroup = field == Edit_P || field == EdNasob || field == EdXMin || field == EdXMax;

  if (event->type() == QEvent::FocusOut) {
    // A dialog or menu taking the focus for a moment is no leaving of the field.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) QueueFieldExit(field);
    return false;
  }
  if (event->type() == QEvent::MouseButtonRelease && (field == Edit_P || field == Edit_AB)) {
    QueueFieldExit(field);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);

  // Emptying a query field takes its own highlighting off the chart.
  if (markerShown_ && ((valueGroup && lastQuery_ == Query::Value && Edit_P->text().isEmpty()) ||
                       (field == Edit_AB && lastQuery_ == Query::Quantile && Edit_AB->text().isEmpty()))) {
    DrawResult();
  }
  if (IsEnter(key->key())) {
    if (inputField) Edit_NasB->setFocus(Qt::TabFocusReason);
    if (valueGroup) Edit_AB->setFocus(Qt::TabFocusReason);
    if (field == Edit_AB) Edit_P->setFocus(Qt::TabFocusReason);
    return true;
  }
  // Short-cuts, editing and moving keys carry no character of a number.
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  const QChar c = text.at(0);
  if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('E')) return false;
  if (c == QLatin1Char(',')) {
    field->insert(QStringLiteral("."));
    return true;
  }
  if (c == QLatin1Char('e')) {
    field->insert(QStringLiteral("E"));
    return true;
  }
  services_.sound->Beep();
  return true;
}

void TForm1::QueueFieldExit(QLineEdit* field) {
  // Handled after the focus change has ended, so that a message box or a focus
  // set back does not cut into it.
  if (pendingExits_.contains(field)) return;
  pendingExits_.append(field);
  QMetaObject::invokeMethod(this, &TForm1::FlushFieldExits, Qt::QueuedConnection);
}

void TForm1::FlushFieldExits() {
  if (operationRunning_) return;
  while (!pendingExits_.isEmpty()) RunFieldExit(pendingExits_.takeFirst());
}

void TForm1::RunFieldExit(QLineEdit* field) {
  if (field == Edit_P) return Edit_PExit();
  if (field == Edit_AB) return Edit_ABExit();
  // Leaving a field as it was set changes nothing, so the result stays.
  if (!field->isModified()) return;
  field->setModified(false);
  if (field == Edit_NasA) return Edit_NasExit(SlotId::A);
  if (field == Edit_NasB) return Edit_NasExit(SlotId::B);
  if (field == Edit_MinA) return Edit_RangeExit(SlotId::A, true);
  if (field == Edit_MaxA) return Edit_RangeExit(SlotId::A, false);
  if (field == Edit_MinB) return Edit_RangeExit(SlotId::B, true);
  if (field == Edit_MaxB) return Edit_RangeExit(SlotId::B, false);
  if (field == EdXMin) return EdXRangeExit(true);
  if (field == EdXMax) return EdXRangeExit(false);
  if (field == EdNasob) return EdNasobExit();
}

void TForm1::Edit_PExit() {
  if (!result_) return;
  SetCell(StringGrid7, 0, 1, NumberText(0.0));
  SetCell(StringGrid7, 1, 1, NumberText(0.0));
  const QString text = Edit_P->text();
  if (text.isEmpty()) {
    // Only a value query of its own goes; a quantile on screen stays.
    if (lastQuery_ != Query::Quantile) DrawResult();
    return;
  }
  double x = 0.0;
  if (!ReadNumber(text, x)) {
    Edit_P->setFocus();
    ReportError({kInvalidNumberWithTextCode, {}, text.toStdString(), 0}, 0);
    return;
  }
  const engine::ValueAnswer answer = engine::ProbabilityOfValue(*result_, x);
  if (!answer.admissible) {
    Edit_P->clear();
    DrawResult();
    PaintResultListing();
    return;
  }
  SetCell(StringGrid7, 0, 1, NumberText(answer.probability));
  SetCell(StringGrid7, 1, 1, NumberText(static_cast<double>(answer.cumulative)));
  lastQuery_ = Query::Value;
  queriedValue_ = x;
  DrawResultQuery(answer.markedIntervals, valueColour_, engine::kValueFrameColour);
  if (answer.atUpperBound) {
    QStringList title = ChartTitleLines(Chart_AB);
    title.last() = FromStd(texts::MessageText(kValueTitleMessage, texts::CurrentLanguage())) + QStringLiteral(" :  ") + text;
    SetChartTitleLines(Chart_AB, title);
  }
  PaintResultListing();
}

void TForm1::Edit_ABExit() {
  if (!result_) return;
  SetCell(StringGrid6, 0, 1, NumberText(0.0));
  const QString text = Edit_AB->text();
  if (text.isEmpty()) {
    if (lastQuery_ != Query::Value) DrawResult();
    return;
  }
  double p = 0.0;
  if (!ReadNumber(text, p)) {
    Edit_AB->setFocus();
    if (text == QLatin1String("-")) {
      Edit_AB->clear();
      services_.sound->Beep();
    } else {
      ReportError({kInvalidNumberCode, {}, {}, 0}, 0);
    }
    return;
  }
  const engine::QuantileAnswer answer = engine::QuantileOfProbability(*result_, p);
  if (!answer.admissible) {
    Edit_AB->clear();
    DrawResult();
    PaintResultListing();
    return;
  }
  if (answer.probabilityIsOne) Edit_AB->setText(QStringLiteral("1"));
  SetCell(StringGrid6, 0, 1, NumberText(answer.value));
  lastQuery_ = Query::Quantile;
  queriedValue_ = answer.value;
  DrawResultQuery(answer.markedIntervals, quantileColour_, engine::kQuantileFrameColour);
  PaintResultListing();
}

void TForm1::Edit_NasExit(SlotId slot) {
  const SlotControls c = Controls(slot);
  model::HistogramSlot& s = MutableSlot(slot);
  if (c.multiple->text().trimmed().isEmpty()) c.multiple->setText(QStringLiteral("1.00"));
  double n = 0.0;
  if (!ReadNumber(c.multiple->text(), n)) {
    c.multiple->setFocus();
    ReportError({kInvalidNumberCode, {}, {}, 0}, 0);
    // Back to the multiple the slot still has.
    c.multiple->setText(MultipleText(s.multiple));
    return;
  }
  // An empty slot has no type yet; its multiple is checked when a histogram comes.
  const model::HistogramType type = s.loaded ? s.base.Type : model::HistogramType::Discrete;
  if (const auto refusal = engine::CheckInputMultiple(n, type, slot)) {
    ReportError(*refusal, 0);
    n = refusal->code == 37 || refusal->code == 38 ? 0.01 : 1.0;
  }
  c.multiple->setText(MultipleText(n));
  s.multiple = n;
  if (!s.loaded) return;
  ClearResult();
  s.scaled = model::ApplyMultiple(s.base, n);
  c.min->setText(NumberText(s.scaled.Min));
  c.max->setText(NumberText(s.scaled.Max));
  DrawSlot(slot);
  if (s.sourcePath.empty()) return;
  QString intervals = QString::number(s.base.N);
  for (const settings::ReOpenEntry& entry : reOpenList_.Entries()) {
    if (entry.path == s.sourcePath) {
      intervals = FromStd(entry.intervals);
      break;
    }
  }
  AddToReOpenList(FromStd(s.sourcePath), c.multiple->text(), intervals);
}

void TForm1::Edit_RangeExit(SlotId slot, bool isMin) {
  const SlotControls c = Controls(slot);
  model::HistogramSlot& s = MutableSlot(slot);
  QLineEdit* field = isMin ? c.min : c.max;
  const QString text = field->text().trimmed();
  if (text.isEmpty() || text == QLatin1String("-")) return;
  if (!s.loaded) {
    field->clear();
    return;
  }
  // A refused value returns the field to the range the slot has now.
  const auto reset = [&] { field->setText(NumberText(isMin ? s.scaled.Min : s.scaled.Max)); };
  double value = 0.0;
  if (!ReadNumber(text, value)) {
    field->setFocus();
    ShowModelError(InvalidNumberWithText(text));
    reset();
    c.listFile->setEnabled(false);
    c.listFileItem->setEnabled(false);
    return;
  }
  if (const auto refusal =
          engine::PlaceOnRange(s.scaled, isMin ? engine::RangeEnd::Min : engine::RangeEnd::Max, value)) {
    ShowModelError(*refusal);
    reset();
    return;
  }
  ClearResult();
  field->setText(NumberText(value));
  DrawSlot(slot);
  // The slot no longer is what its file holds.
  c.listFile->setEnabled(false);
  c.listFileItem->setEnabled(false);
}

void TForm1::EdXRangeExit(bool isMin) {
  if (!result_) return;
  QLineEdit* field = isMin ? EdXMin : EdXMax;
  const QString text = field->text().trimmed();
  if (text.isEmpty() || text == QLatin1String("-")) return;
  model::Histogram& h = result_->histogram;
  const auto reset = [&] { field->setText(NumberText(isMin ? h.Min : h.Max)); };
  double value = 0.0;
  if (!ReadNumber(text, value)) {
    ShowModelError(InvalidNumberWithText(text));
    reset();
    BuildResultListing();
    Edit_P->setFocus();
    return;
  }
  if (const auto refusal = engine::PlaceOnRange(h, isMin ? engine::RangeEnd::Min : engine::RangeEnd::Max, value)) {
    ShowModelError(*refusal);
    reset();
    return;
  }
  // The probabilities now stand on other values: so does the failure probability.
  result_->failureProbability = engine::FailureProbabilityOf(h);
  failureProbability_ = result_->failureProbability;
  field->setText(NumberText(value));
  SetCell(StringGrid5, isMin ? 1 : 2, 1, NumberText(value));
  Edit_P->clear();
  Edit_AB->clear();
  DrawResult();
  BuildResultListing();
  Edit_P->setFocus();
}

void TForm1::EdNasobExit() {
  if (!result_) return;
  const QString text = EdNasob->text();
  double n = 0.0;
  if (!ReadNumber(text, n)) {
    ShowModelError(InvalidNumberWithText(text));
    // Back to the multiple the result has.
    EdNasob->setText(resultMultipleText_);
    BuildResultListing();
    Edit_P->setFocus();
    return;
  }
  RunAndShow([&](engine::OperationRequest& request, QString& label, QString& shown) {
    engine::RescaleOutcome rescaled = engine::RescaleResult(request, n);
    if (rescaled.notice) ShowModelError(*rescaled.notice);
    label = FromStd(statvex::MultipleText(rescaled.multiple));
    shown = MultipleText(rescaled.multiple);
    return rescaled.outcome;
  });
  BuildResultListing();
  Edit_P->setFocus();
}

void TForm1::EdNasobChange() {
  SetCell(StringGrid7, 0, 1, NumberText(0.0));
  SetCell(StringGrid7, 1, 1, NumberText(0.0));
  SetCell(StringGrid6, 0, 1, NumberText(0.0));
}

}  // namespace dorvex::gui
