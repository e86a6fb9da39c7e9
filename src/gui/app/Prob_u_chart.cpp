// The result chart of the main window: drawing with and without a query, the
// label and marks options, the zoom, and the export of the chart.
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include "app/Prob_u.h"
#include "app/color_ref.h"
#include "app/hints.h"
#include "charts/chart_export.h"
#include "charts/draw_histogram.h"
#include "engine/queries.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

constexpr int kZoomInHintMessage = 162;
constexpr int kZoomOutHintMessage = 163;
constexpr int kOverwriteMessage = 21;
constexpr int kWriteErrorCode = 23;

QString Message(int n) { return QString::fromStdString(texts::MessageText(n, texts::CurrentLanguage())); }

}  // namespace

void TForm1::DrawResultQuery(int marked, unsigned barColour, unsigned frameColour) {
  if (!result_) return;
  const model::Histogram& h = result_->histogram;
  HistogramPicture picture;
  picture.kind = ChartKind::Result;
  picture.probabilities = h.P.data() + 1;
  picture.count = h.N;
  picture.d = h.d;
  picture.min = h.Min;
  picture.title = resultChartTitle_;
  const QDateTime now = QDateTime::currentDateTime();
  picture.dateLine = QStringLiteral("( ") + now.toString(ShortDateFormat()) + QStringLiteral(" , ") +
                     now.toString(LongTimeFormat()) + QStringLiteral(" )");
  picture.labels = index1->isChecked() ? AxisLabelMode::Index : AxisLabelMode::Value;
  picture.marks = {CheckBox1->isChecked(), CBMarks->currentIndex() < 0 ? 5 : CBMarks->currentIndex(),
                   SpinEdAngle->value()};
  picture.barClicked = [this] { ToggleResultZoom(); };
  if (marked < 0) {
    picture.frame = FromColorRef(engine::kResultBarColour);
    picture.bar = FromColorRef(resultBarColour_);
  } else {
    // During a query the bars from the queried one on take the result colour.
    picture.frame = FromColorRef(frameColour);
    picture.bar = FromColorRef(engine::kResultBarColour);
    picture.marked = marked;
    picture.markedBar = FromColorRef(barColour);
    if (h.d > 0.0) picture.queryAt = (queriedValue_ - h.Min) / h.d;
  }
  markerShown_ = marked >= 0;
  DrawHistogram(Chart_AB, picture, texts::CurrentLanguage());
  RebuildSlotHints();
}

void TForm1::DrawResult() { DrawResultQuery(-1, 0, 0); }

void TForm1::RedrawResultAfterOption() {
  // Only a shown result with its range editors is drawn again; a query on it goes.
  if (!result_ || EdXMin->isHidden() || result_->histogram.N <= 1) return;
  Edit_P->clear();
  Edit_AB->clear();
  DrawResult();
  PaintResultListing();
}

void TForm1::SetLabelMode(bool indexLabels) {
  index1->setChecked(indexLabels);
  NonIndex->setChecked(!indexLabels);
  CBValInd->setCurrentIndex(indexLabels ? 0 : 1);
  for (model::SlotId slot : {model::SlotId::A, model::SlotId::B}) {
    if (Slot(slot).loaded) DrawSlot(slot);
  }
  if (!markerShown_) RedrawResultAfterOption();
}

void TForm1::CBValIndChange(int item) {
  const bool indexLabels = item != 1;
  index1->setChecked(indexLabels);
  NonIndex->setChecked(!indexLabels);
  for (model::SlotId slot : {model::SlotId::A, model::SlotId::B}) {
    if (Slot(slot).loaded) DrawSlot(slot);
  }
  RepeatQueryOrRedraw();
}

void TForm1::RepeatQueryOrRedraw() {
  if (!result_) return;
  // A query on screen is asked again, so it keeps its marks.
  if (lastQuery_ == Query::Quantile && !Edit_AB->text().isEmpty()) return Edit_ABExit();
  if (lastQuery_ == Query::Value && !Edit_P->text().isEmpty()) return Edit_PExit();
  DrawResult();
}

void TForm1::ChooseListingHighlight(bool on) {
  if ((on ? Ano1 : Ne1)->isChecked() && !(on ? Ne1 : Ano1)->isChecked()) return;
  Ano1->setChecked(on);
  Ne1->setChecked(!on);
  PaintResultListing();
}

void TForm1::ToggleResultZoom() {
  resultZoomed_ = !resultZoomed_;
  GroupBox1->setVisible(!resultZoomed_);
  GroupBox2->setVisible(!resultZoomed_);
  // The row of the input panels gives its height to the result panel.
  if (auto* column = qobject_cast<QBoxLayout*>(centralWidget()->layout())) {
    column->setStretch(kInputRow, resultZoomed_ ? 0 : kInputStretch);
  }
  StringGrid2->setVisible(resultZoomed_);
  SetHint(Chart_AB, Message(resultZoomed_ ? kZoomOutHintMessage : kZoomInHintMessage));
  Edit_P->setFocus();
}

void TForm1::UndoResultZoom() {
  if (resultZoomed_) ToggleResultZoom();
}

void TForm1::UlozGrafClick() {
  FlushFieldExits();
  if (!result_) return;
  StringGrid1->hide();
  const QDateTime now = QDateTime::currentDateTime();
  SetChartTitleLines(Chart_AB, {QStringLiteral("Histogram : ") + QString::fromStdString(result_->label) +
                                QStringLiteral("   ( ") + now.toString(ShortDateFormat()) + QStringLiteral(" , ") +
                                now.toString(LongTimeFormat()) + QStringLiteral(" )")});
  if (Schranka1->isChecked()) {
    CopyChartToClipboard(Chart_AB);
    return;
  }
  PictureFormat format = PictureFormat::Bmp;
  QString suffix = QStringLiteral("bmp");
  if (Metafile1->isChecked()) {
    format = PictureFormat::Svg;
    suffix = QStringLiteral("svg");
  } else if (JpgFile->isChecked()) {
    format = PictureFormat::Jpeg;
    suffix = QStringLiteral("jpg");
  }
  FileDialogRequest request;
  request.title = UlozGraf1->text().remove(QLatin1Char('&'));
  request.initialFolder = QString::fromStdString(folders_.graphs);
  request.defaultSuffix = suffix;
  request.filters = {QStringLiteral("Distributions Files (*.%1)").arg(suffix), QStringLiteral("All files (*)")};
  request.filterIndex = 0;
  const QString path = services_.files->GetSaveFileName(request);
  if (path.isEmpty()) return;
  if (QFileInfo::exists(path)) {
    const QString question = QString::fromStdString(texts::InsertText(texts::MessageText(kOverwriteMessage, texts::CurrentLanguage()),
                                                                       QDir::toNativeSeparators(path).toStdString()));
    const int answer = services_.messages->DefMessageDlg(Message(texts::kTitleConfirmation), question,
                                                         MessageKind::Confirmation, MessageButtons::YesNo, kResultYes);
    if (answer != kResultYes) return;
  }
  if (!SaveChartPicture(Chart_AB, path, format)) {
    // A picture that could not be written is said so; the file there is untouched.
    ReportError({kWriteErrorCode, path.toStdString(), {}, 0}, 0);
  }
}

void TForm1::UlozOknoClick() {
  QWidget* active = QApplication::activeWindow();
  CopyWindowToClipboard(active != nullptr ? active : this);
}

}  // namespace dorvex::gui
