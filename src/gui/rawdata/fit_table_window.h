#pragma once
// FitTableWindow: the accepted fits of a raw-data sample side by side with the
// sample and its data histogram. The user sorts them by any characteristic (a
// header click or the sort list), picks one to show it in the raw-data window,
// and removes the implausible tail of the ranking.

#include <QWidget>
#include <optional>
#include <vector>

#include "app/platform_services.h"
#include "rawdata/fit_table.h"
#include "rawdata/fitting.h"
#include "texts/language.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

struct HistogramPicture;

class FitTableWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (may be null).
  FitTableWindow(const PlatformServices& services, settings::SettingsFile* settings, texts::Language language,
                 QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);

  // Shows the fits of `run` (kept, and changed by a removal) sorted by closeness,
  // with the data histogram's row and the sample, and highlights the rows from the
  // first implausible one. `run` outlives the window's showing.
  void Open(rawdata::FitRun& run, const rawdata::SampleCharacteristics& sample);

  // Draws the data histogram and the chosen fit (null: the fit chart is hidden).
  void ShowCharts(const HistogramPicture& data, const HistogramPicture* fit);

 signals:
  // A row was selected: the place of its fit in the ranking; -1 for a row without one.
  void RowChosen(int rankedIndex);
  // Rows were removed and their fits taken out of the run.
  void FitsRemoved();
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void ApplyTexts();
  void Fill();
  void Sort(rawdata::FitSortKey key);
  void CheckPlausibility();
  void RemoveImplausible();
  void ChooseRow(int row);

  PlatformServices services_;
  settings::SettingsFile* settings_;
  texts::Language language_;

  QLabel* sampleLabel = nullptr;
  QTableWidget* sampleGrid = nullptr;
  QLabel* dataLabel = nullptr;
  QTableWidget* dataGrid = nullptr;
  QLabel* fitsLabel = nullptr;
  QTableWidget* fitGrid = nullptr;
  QLabel* sortLabel = nullptr;
  QComboBox* sortList = nullptr;
  QComboBox* referenceList = nullptr;
  QCheckBox* removeBox = nullptr;
  QChartView* dataChart = nullptr;
  QChartView* fitChart = nullptr;
  QPushButton* closeButton = nullptr;

  rawdata::FitRun* run_ = nullptr;
  rawdata::SampleCharacteristics sample_;
  std::vector<rawdata::FitRow> rows_;
  std::optional<std::size_t> firstImplausible_;
};

}  // namespace dorvex::gui
