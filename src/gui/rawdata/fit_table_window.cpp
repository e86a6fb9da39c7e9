#include "rawdata/fit_table_window.h"

#include <algorithm>

#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "charts/draw_histogram.h"
#include "rawdata/raw_data_window_view.h"
#include "settings/raw_data_settings.h"
#include "texts/messages.h"
#include "texts/raw_data_window_texts.h"

namespace dorvex::gui {

namespace {

using rawdata::FitSortKey;

constexpr int kLastSortKey = static_cast<int>(FitSortKey::Bic);

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QTableWidget* MakeTable(const char* name, int rows, int columns, QWidget* parent) {
  auto* grid = Named(new QTableWidget(rows, columns, parent), name);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(18);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  return grid;
}

// The height of a table showing its header and `rows` rows.
void FitRows(QTableWidget* grid, int rows) {
  grid->setFixedHeight(grid->horizontalHeader()->sizeHint().height() + rows * 18 + 2 * grid->frameWidth() + 2);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// The data row stands over the fits: both grids take the wider of their columns.
void AlignColumns(QTableWidget* data, QTableWidget* fits) {
  data->resizeColumnsToContents();
  fits->resizeColumnsToContents();
  for (int c = 0; c < fits->columnCount(); ++c) {
    const int width = std::max(data->columnWidth(c), fits->columnWidth(c));
    data->setColumnWidth(c, width);
    fits->setColumnWidth(c, width);
  }
}

// A small table exactly as wide as its columns.
void FitWidth(QTableWidget* grid) {
  grid->resizeColumnsToContents();
  int width = 2 * grid->frameWidth() + 2;
  for (int c = 0; c < grid->columnCount(); ++c) width += grid->columnWidth(c);
  grid->setFixedWidth(width);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// The sort key a header click on grid column `column` asks for; None for a column
// that sorts nothing.
FitSortKey KeyOfColumn(int column) {
  for (int key = 1; key <= kLastSortKey; ++key) {
    if (rawdata::SortColumn(static_cast<FitSortKey>(key)) + 1 == column) return static_cast<FitSortKey>(key);
  }
  return FitSortKey::None;
}

}  // namespace

FitTableWindow::FitTableWindow(const PlatformServices& services, settings::SettingsFile* settings,
                               texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), settings_(settings), language_(language) {
  setObjectName(QStringLiteral("TForm19"));
  CreateControls();
  ApplyTexts();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 1024;
  settings::FitTableWindowSettings place;
  place.width = screenWidth;
  if (settings_ != nullptr) place = settings::ReadFitTableWindowSettings(*settings_, screenWidth);
  move(place.left, place.top);
  resize(place.width, place.height);
}

void FitTableWindow::CreateControls() {
  sampleLabel = Named(new QLabel(this), "LabSGCharPDZ");
  sampleGrid = MakeTable("SGCharPDZ", 1, 3, this);
  FitRows(sampleGrid, 1);
  dataLabel = Named(new QLabel(this), "LabSGCharPD");
  const int columns = static_cast<int>(rawdata::FitTableHeaders(language_).size());
  dataGrid = MakeTable("SGCharPD", 1, columns, this);
  FitRows(dataGrid, 1);
  fitsLabel = Named(new QLabel(this), "LabSGChar");
  fitGrid = MakeTable("SGChar", rawdata::kFitTableRows, columns, this);
  fitGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  fitGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fitGrid->horizontalHeader()->setSectionsClickable(true);
  sortLabel = Named(new QLabel(this), "LabTypVyberu");
  sortList = Named(new QComboBox(this), "CBTypVyberu");
  referenceList = Named(new QComboBox(this), "CBVyber");
  for (const std::string& item : rawdata::DifferenceReferenceItems()) referenceList->addItem(ToQt(item));
  removeBox = Named(new QCheckBox(this), "ChBVymazRadkuTab");
  dataChart = Named(new QChartView(this), "Chart1");
  fitChart = Named(new QChartView(this), "Chart2");
  for (QChartView* view : {dataChart, fitChart}) {
    SetupHistogramChart(view, Qt::black);
    view->setMinimumSize(300, 170);
  }
  closeButton = Named(new QPushButton(this), "BKonec");

  auto* controls = new QHBoxLayout;
  controls->addWidget(sortLabel);
  controls->addWidget(sortList);
  controls->addWidget(referenceList);
  controls->addSpacing(20);
  controls->addWidget(removeBox);
  controls->addStretch(1);
  controls->addWidget(closeButton);
  auto* charts = new QHBoxLayout;
  charts->addWidget(dataChart, 1);
  charts->addWidget(fitChart, 1);
  auto* top = new QHBoxLayout;
  auto* sampleColumn = new QVBoxLayout;
  sampleColumn->addWidget(sampleLabel);
  sampleColumn->addWidget(sampleGrid);
  top->addLayout(sampleColumn);
  top->addStretch(1);
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addWidget(dataLabel);
  main->addWidget(dataGrid);
  main->addWidget(fitsLabel);
  main->addWidget(fitGrid, 3);
  main->addLayout(controls);
  main->addLayout(charts, 2);

  connect(sortList, &QComboBox::activated, this, [this](int item) { Sort(static_cast<FitSortKey>(item)); });
  connect(referenceList, &QComboBox::activated, this,
          [this] { Sort(static_cast<FitSortKey>(sortList->currentIndex())); });
  connect(fitGrid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
    const FitSortKey key = KeyOfColumn(column);
    if (key == FitSortKey::None) return;
    sortList->setCurrentIndex(static_cast<int>(key));
    Sort(key);
  });
  connect(fitGrid, &QTableWidget::cellClicked, this, [this](int row, int) { ChooseRow(row); });
  connect(removeBox, &QCheckBox::toggled, this, [this](bool on) {
    if (on) RemoveImplausible();
  });
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void FitTableWindow::ApplyTexts() {
  setWindowTitle(ToQt(texts::FitTableWindowTitle(language_)));
  for (QLabel* label : {sampleLabel, dataLabel, fitsLabel, sortLabel})
    label->setText(ToQt(texts::RawDataControlCaption(ToStd(label->objectName()), language_)));
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{removeBox, closeButton})
    button->setText(ToQt(texts::RawDataControlCaption(ToStd(button->objectName()), language_)));
  QStringList headers;
  for (const std::string& h : rawdata::FitTableHeaders(language_)) headers << ToQt(h);
  fitGrid->setHorizontalHeaderLabels(headers);
  dataGrid->setHorizontalHeaderLabels(headers);
  QStringList sampleHeaders;
  for (const std::string& h : rawdata::SampleTableHeaders(language_)) sampleHeaders << ToQt(h);
  sampleGrid->setHorizontalHeaderLabels(sampleHeaders);
  const QSignalBlocker block(sortList);
  const int item = sortList->currentIndex();
  sortList->clear();
  for (const std::string& text : rawdata::SortKeyItems()) sortList->addItem(ToQt(text));
  for (const std::string& text : texts::GoodnessSortItems()) sortList->addItem(ToQt(text));
  sortList->setCurrentIndex(std::max(item, 0));
  AlignColumns(dataGrid, fitGrid);
  FitWidth(sampleGrid);
}

void FitTableWindow::SetLanguage(texts::Language language) {
  language_ = language;
  ApplyTexts();
}

void FitTableWindow::Open(rawdata::FitRun& run, const rawdata::SampleCharacteristics& sample) {
  run_ = &run;
  sample_ = sample;
  rows_ = run.rows;
  referenceList->hide();
  referenceList->setCurrentIndex(static_cast<int>(rawdata::DifferenceReference::RawData));
  removeBox->hide();
  {
    const QSignalBlocker block(removeBox);
    removeBox->setChecked(false);
  }
  for (int c = 0; c < dataGrid->columnCount(); ++c) {
    SetCell(dataGrid, 0, c, c == 0 ? QString() : ToQt(run.dataRow.columns[static_cast<std::size_t>(c - 1)]));
  }
  const std::array<std::string, 4> moments = rawdata::SampleTableTexts(sample);
  for (int c = 0; c < 3; ++c) SetCell(sampleGrid, 0, c, ToQt(moments[static_cast<std::size_t>(c) + 1]));
  sortList->setCurrentIndex(static_cast<int>(FitSortKey::Closeness));
  Sort(FitSortKey::Closeness);
  CheckPlausibility();
  AlignColumns(dataGrid, fitGrid);
  FitWidth(sampleGrid);
  show();
  raise();
  activateWindow();
}

void FitTableWindow::Fill() {
  for (int r = 0; r < fitGrid->rowCount(); ++r) {
    const bool filled = r < static_cast<int>(rows_.size());
    for (int c = 0; c < fitGrid->columnCount(); ++c) {
      QString text;
      if (c == 0) {
        text = ToQt(rawdata::FitRowNumberText(r + 1));
      } else if (filled) {
        text = ToQt(rows_[static_cast<std::size_t>(r)].columns[static_cast<std::size_t>(c - 1)]);
      }
      SetCell(fitGrid, r, c, text);
    }
  }
}

void FitTableWindow::Sort(FitSortKey key) {
  if (run_ == nullptr) return;
  referenceList->setVisible(rawdata::IsDifferenceSort(key));
  rawdata::SortFitRows(rows_, key, static_cast<rawdata::DifferenceReference>(referenceList->currentIndex()),
                       run_->dataRow, sample_);
  Fill();
  AlignColumns(dataGrid, fitGrid);
  fitGrid->clearSelection();
}

void FitTableWindow::CheckPlausibility() {
  firstImplausible_ = rawdata::FirstImplausibleRow(rows_, sample_.standardDeviation);
  if (!firstImplausible_ || *firstImplausible_ >= rows_.size()) {
    firstImplausible_.reset();
    return;
  }
  removeBox->show();
  fitGrid->clearSelection();
  const int first = static_cast<int>(*firstImplausible_);
  const QItemSelection tail(fitGrid->model()->index(first, 0),
                            fitGrid->model()->index(static_cast<int>(rows_.size()) - 1, fitGrid->columnCount() - 1));
  fitGrid->selectionModel()->select(tail, QItemSelectionModel::Select);
}

void FitTableWindow::RemoveImplausible() {
  if (!firstImplausible_ || run_ == nullptr) return;
  const int answer = services_.messages->DefMessageDlg(
      ToQt(texts::MessageText(texts::kTitleConfirmation, language_)), ToQt(texts::RemoveRowsQuestion(language_)),
      MessageKind::Confirmation, MessageButtons::YesNo, kResultYes);
  if (answer != kResultYes) {
    const QSignalBlocker block(removeBox);
    removeBox->setChecked(false);
    return;
  }
  removeBox->hide();
  rawdata::RemoveFitRows(rows_, *firstImplausible_, *run_);
  firstImplausible_.reset();
  Fill();
  fitGrid->clearSelection();
  emit FitsRemoved();
}

void FitTableWindow::ChooseRow(int row) {
  std::optional<int> ranked;
  // The row's own fit, whatever the order the table is sorted in.
  if (run_ != nullptr && row >= 0 && row < static_cast<int>(rows_.size()))
    ranked = rawdata::RankedIndexOfRow(*run_, rows_[static_cast<std::size_t>(row)]);
  fitChart->setVisible(ranked.has_value());
  emit RowChosen(ranked.value_or(-1));
}

void FitTableWindow::ShowCharts(const HistogramPicture& data, const HistogramPicture* fit) {
  DrawHistogram(dataChart, data);
  if (fit != nullptr) {
    DrawHistogram(fitChart, *fit);
  } else {
    fitChart->hide();
  }
}

void FitTableWindow::closeEvent(QCloseEvent* event) {
  if (settings_ != nullptr)
    settings::WriteFitTableWindowSettings({x(), y(), width(), height()}, *settings_);
  emit Closed();
  event->accept();
}

}  // namespace dorvex::gui
