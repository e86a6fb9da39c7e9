// The main window's commands that describe, list and save a histogram: the
// characteristics box, the result as a distribution file and as a report, the
// description tables, the listing of an input file and the word processor.

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QTableWidget>
#include <QTime>
#include <QToolButton>

#include "analysis/file_listing_window.h"
#include "analysis/listing_window.h"
#include "analysis/read_trace_window.h"
#include "analysis/result_commands.h"
#include "app/Prob_u.h"
#include "model/listing_rows.h"
#include "analysis/result_report.h"
#include "settings/settings_file.h"
#include "statvex/number_text.h"
#include "texts/language.h"

namespace dorvex::gui {

namespace {
QString FromStd(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

void TForm1::CreateListingWindows() {
  Form3_ = new ListingWindow(ListingKind::Points, services_, settings_, FromStd(folders_.graphs),
                             texts::CurrentLanguage(), this);
  Form4_ = new ReadTraceWindow(settings_, this);
  Form7_ = new ListingWindow(ListingKind::Intervals, services_, settings_, FromStd(folders_.graphs),
                             texts::CurrentLanguage(), this);
  Form15_ = new FileListingWindow(settings_, texts::CurrentLanguage(), this);
}

void TForm1::ConnectListingCommands() {
  const auto both = [this](QToolButton* button, QAction* item, void (TForm1::*handler)()) {
    connect(button, &QToolButton::clicked, this, handler);
    if (item != nullptr) connect(item, &QAction::triggered, this, handler);
  };
  both(BChar, BChar1, &TForm1::BCharClick);
  both(HistVysl, Histogram1, &TForm1::HistVyslClick);
  both(Vysledky, Vysledky1, &TForm1::VysledkyClick);
  both(OtevriWord, OtevriWord1, &TForm1::OtevriWordClick);
  both(PopisA, VypisVstHistA, &TForm1::PopisAClick);
  both(PopisB, VypisVstHistB, &TForm1::PopisBClick);
  both(PopisAB, Vslhistogramu1, &TForm1::PopisABClick);
  both(VypisHistA, histogramuA1, &TForm1::VypisHistAClick);
  both(VypisHistB, histogramuB1, &TForm1::VypisHistBClick);
}

void TForm1::BCharClick() {
  if (!result_) return;
  ShowCharacteristics(services_, "Histogram : " + ComboBox_Operace->currentText().trimmed().toStdString(),
                      *result_, texts::CurrentLanguage());
}

void TForm1::HistVyslClick() {
  if (!result_) return;
  StringGrid1->hide();
  const QString path =
      SaveResultDistributionFile(services_, FromStd(folders_.calculated), result_->histogram, result_->totalExtended,
                                 texts::CurrentLanguage());
  if (path.isEmpty()) return;
  settings_->WriteString(settings::kSectionOutputFile, "Histogram AB", path.toStdString());
  AddToReOpenList(path, QStringLiteral("1.00"), QString::number(result_->histogram.N));
  Edit_P->clear();
  Edit_AB->clear();
  Edit_P->setFocus();
}

void TForm1::VysledkyClick() {
  if (!result_) return;
  StringGrid1->hide();
  analysis::ResultReportInput input;
  input.result = result_->histogram;
  input.resultTotal = result_->totalExtended;
  input.label = result_->label + "   (nAB=" + resultMultipleText_.toStdString() + ")";
  input.nameA = slotA_.name;
  input.multipleA = Edit_NasA->text().trimmed().toStdString();
  input.nameB = slotB_.loaded ? slotB_.name : std::string();
  input.multipleB = slotB_.loaded ? Edit_NasB->text().trimmed().toStdString() : std::string();
  input.date = QDate::currentDate().toString(ShortDateFormat()).toStdString();
  input.time = QTime::currentTime().toString(LongTimeFormat()).toStdString();
  input.version = statvex::VersionText();
  const QString path = SaveResultReport(services_, FromStd(folders_.calculated), input, SouborText1->isChecked(),
                                        texts::CurrentLanguage());
  if (path.isEmpty()) return;
  settings_->WriteString(settings::kSectionOutputFile, "Výsledky  AB", path.toStdString());
  Edit_P->clear();
  Edit_AB->clear();
  Edit_P->setFocus();
}

void TForm1::OtevriWordClick() { OpenInWordProcessor(services_, QString(), FromStd(folders_.graphs), texts::CurrentLanguage()); }

void TForm1::ShowDescription(const model::Histogram& h, const std::string& title, long double c, bool result) {
  const analysis::DescriptionGrid table = analysis::DescriptionTable(h, title, c, texts::CurrentLanguage());
  ListingPaint paint;
  paint.shading.coloured = !Ne1->isChecked();
  paint.shading.listsResult = result;
  paint.shading.resultClassWidth = result && result_ ? result_->histogram.d : 0.0;
  if (h.Type == model::HistogramType::Discrete) {
    Form7_->ShowListing(h, table, paint);
  } else {
    Form3_->ShowListing(h, table, paint);
  }
}

void TForm1::PopisAClick() {
  if (!slotA_.loaded) return;
  ShowDescription(slotA_.scaled, analysis::InputDescriptionTitle(slotA_.name),
                  model::FrequencyMultiplier(slotA_.base.Total, 1.0L, slotA_.base.Total), false);
}

void TForm1::PopisBClick() {
  if (!slotB_.loaded) return;
  ShowDescription(slotB_.scaled, analysis::InputDescriptionTitle(slotB_.name),
                  model::FrequencyMultiplier(1.0L, slotB_.base.Total, slotB_.base.Total), false);
}

void TForm1::PopisABClick() {
  if (!result_) return;
  const long double totalB = slotB_.loaded && engine::IsBinaryOperation(resultCode_) ? slotB_.base.Total : 0.0L;
  ShowDescription(result_->histogram, "Histogram : " + result_->label,
                  model::FrequencyMultiplier(slotA_.base.Total, totalB, result_->totalExtended), true);
}

void TForm1::VypisHistAClick() {
  if (slotA_.loaded && !slotA_.sourcePath.empty())
    Form15_->ListInputFile(FromStd(slotA_.sourcePath), FromStd(slotA_.name));
}

void TForm1::VypisHistBClick() {
  if (slotB_.loaded && !slotB_.sourcePath.empty())
    Form15_->ListInputFile(FromStd(slotB_.sourcePath), FromStd(slotB_.name));
}

void TForm1::ShowControlListing(const std::vector<model::ControlListingRow>& rows) {
  if (!rows.empty()) Form4_->ShowControlListing(rows);
}

}  // namespace dorvex::gui
