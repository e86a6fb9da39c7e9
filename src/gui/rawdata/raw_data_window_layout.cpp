// The raw-data window's controls, their texts and the settings it keeps.

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/grid_cells.h"
#include "analysis/export_targets.h"
#include "app/qt_text.h"
#include "charts/draw_histogram.h"
#include "rawdata/fit_table_window.h"
#include "rawdata/raw_data_window.h"
#include "rawdata/value_list_model.h"
#include "settings/raw_data_settings.h"
#include "texts/raw_data_window_texts.h"

namespace dorvex::gui {

namespace {

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

void Caption(QWidget* w, texts::Language language) {
  const QString text = ToQt(texts::RawDataControlCaption(ToStd(w->objectName()), language));
  if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(text);
  if (auto* box = qobject_cast<QGroupBox*>(w)) box->setTitle(text);
}

// A grid of name / value rows; the names are set with the language.
QTableWidget* MakeRowGrid(const char* name, int rows, QWidget* parent, int valueWidth = 100) {
  QTableWidget* grid = MakeStringGrid(name, rows, 2, parent);
  SetGridColumnWidths(grid, {125, valueWidth});
  return grid;
}

}  // namespace

void RawDataWindow::CreateControls() {
  openButton = Named(new QPushButton(this), "OpenData");
  fileLabel = Named(new QLabel(this), "LabNazev");
  fileField = Named(new QLineEdit(this), "EdNazev");
  fileField->setReadOnly(true);
  // Half a million lines: the list asks for the lines it shows, nothing more.
  valueList = Named(new QListView(this), "MemoDat");
  valueModel = new ValueListModel(valueList);
  valueList->setModel(valueModel);
  valueList->setUniformItemSizes(true);
  valueList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  valueList->setMinimumHeight(90);
  sampleGrid = MakeRowGrid("StringGrid3", 4, this);
  minLabel = Named(new QLabel(this), "LabMin");
  minField = Named(new QLineEdit(this), "EdMin");
  maxLabel = Named(new QLabel(this), "LabMax");
  maxField = Named(new QLineEdit(this), "EdMax");
  countLabel = Named(new QLabel(this), "LabPocetIntervalu");
  countField = Named(new QLineEdit(this), "EdPocetIntervalu");
  epsLabel = Named(new QLabel(this), "LabEps");
  epsField = Named(new QLineEdit(this), "EdEps");
  histogramButton = Named(new QPushButton(this), "Button2");
  fitButton = Named(new QPushButton(this), "BuParam");
  progressBar = Named(new QProgressBar(this), "ProgressBar1");
  progressBar->setRange(0, 23);
  progressBar->setValue(0);
  stopButton = Named(new QPushButton(this), "BStopParam");
  stopButton->hide();
  smallChart = Named(new QChartView(this), "Chart1Min");
  SetupHistogramChart(smallChart, Qt::black);
  smallChart->setMinimumSize(230, 130);
  smallChart->setMaximumHeight(150);
  fitListLabel = Named(new QLabel(this), "LabTypPara");
  fitList = Named(new QComboBox(this), "CBTypPara");
  closenessGrid = MakeRowGrid("StringGrid4", 1, this);
  tableButton = Named(new QPushButton(this), "BTabChar");

  parameterBox = Named(new QGroupBox(this), "GroupBox1");
  chart = Named(new QChartView(parameterBox), "Chart1L");
  SetupHistogramChart(chart, Qt::black);
  chart->setMinimumSize(460, 320);
  marksList = Named(new QComboBox(parameterBox), "CBMarks");
  angleBox = Named(new QSpinBox(parameterBox), "SpinEdAngle");
  angleBox->setRange(0, 360);
  angleBox->setSingleStep(15);
  dataLabelsBox = Named(new QCheckBox(parameterBox), "CheckBox1");
  axisLabelsList = Named(new QComboBox(parameterBox), "CBValInd");
  characteristicsButton = Named(new QPushButton(parameterBox), "BChar");
  exportButton = Named(new QToolButton(parameterBox), "UlozGraf");
  exportButton->setPopupMode(QToolButton::MenuButtonPopup);
  exportMenu = Named(new QMenu(exportButton), "PopupMenu2");
  exportTargets = new ExportTargets(exportMenu);
  exportButton->setMenu(exportMenu);
  pictureButton = Named(new QPushButton(parameterBox), "SpeedButton1");

  displayGrid = MakeRowGrid("StringGrid1", 4, this);
  momentsGrid = MakeRowGrid("StringGrid6", 3, this);
  intervalGrid = Named(new QTableWidget(0, 3, this), "StringGrid2");
  intervalGrid->horizontalHeader()->hide();
  intervalGrid->verticalHeader()->hide();
  intervalGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  intervalGrid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  intervalGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pureDiscreteBox = Named(new QCheckBox(this), "ChB_TypHist");
  newButton = Named(new QPushButton(this), "BNovy");
  closeButton = Named(new QPushButton(this), "BitBtn1");

  editorBox = Named(new QGroupBox(this), "GroupBox3");
  editor = Named(new QPlainTextEdit(editorBox), "Memo1");
  editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  lineGrid = MakeRowGrid("StringGrid5", 2, editorBox, 70);
  saveButton = Named(new QPushButton(editorBox), "BSave");
  cancelButton = Named(new QPushButton(editorBox), "Bcancel");
  auto* editorButtons = new QHBoxLayout;
  editorButtons->addWidget(saveButton);
  editorButtons->addWidget(cancelButton);
  auto* editorLayout = new QVBoxLayout(editorBox);
  editorLayout->addWidget(lineGrid);
  editorLayout->addWidget(editor, 1);
  editorLayout->addLayout(editorButtons);

  // Left: the file, its values and the sample; the histogram's settings; the fits.
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(openButton);
  fileRow->addWidget(fileLabel);
  fileRow->addWidget(fileField, 1);
  auto* fields = new QGridLayout;
  fields->addWidget(minLabel, 0, 0);
  fields->addWidget(minField, 0, 1);
  fields->addWidget(maxLabel, 1, 0);
  fields->addWidget(maxField, 1, 1);
  fields->addWidget(countLabel, 2, 0);
  fields->addWidget(countField, 2, 1);
  fields->addWidget(epsLabel, 3, 0);
  fields->addWidget(epsField, 3, 1);
  auto* runButtons = new QHBoxLayout;
  runButtons->addWidget(histogramButton);
  runButtons->addWidget(fitButton);
  auto* fitRow = new QHBoxLayout;
  fitRow->addWidget(fitList, 1);
  fitRow->addWidget(tableButton);
  auto* left = new QVBoxLayout;
  left->addLayout(fileRow);
  left->addWidget(valueList, 1);
  left->addWidget(sampleGrid);
  left->addLayout(fields);
  left->addLayout(runButtons);
  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(progressBar, 1);
  progressRow->addWidget(stopButton);
  left->addLayout(progressRow);
  left->addWidget(smallChart);
  left->addWidget(fitListLabel);
  left->addLayout(fitRow);
  left->addWidget(closenessGrid);

  // Middle: the main chart with its controls in the parameter box.
  auto* chartControls = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{dataLabelsBox, marksList, angleBox, axisLabelsList,
                                                    characteristicsButton, exportButton, pictureButton})
    chartControls->addWidget(w);
  chartControls->addStretch(1);
  auto* middle = new QVBoxLayout(parameterBox);
  middle->addWidget(chart, 1);
  middle->addLayout(chartControls);

  // Right: what the display shows, the interval table or the editor over it.
  auto* right = new QVBoxLayout;
  right->addWidget(displayGrid);
  right->addWidget(momentsGrid);
  right->addWidget(pureDiscreteBox);
  right->addWidget(intervalGrid, 1);
  right->addWidget(editorBox, 1);
  auto* bottomButtons = new QHBoxLayout;
  bottomButtons->addWidget(newButton);
  bottomButtons->addStretch(1);
  bottomButtons->addWidget(closeButton);
  right->addLayout(bottomButtons);

  auto* main = new QHBoxLayout(this);
  main->addLayout(left, 0);
  main->addWidget(parameterBox, 1);
  main->addLayout(right, 0);

  // Hidden before a file is loaded, they keep their room: the window does not change shape.
  for (QWidget* w : std::initializer_list<QWidget*>{parameterBox, displayGrid, momentsGrid}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }
  for (QLineEdit* field : {minField, maxField, countField, epsField}) field->installEventFilter(this);
  editor->installEventFilter(this);
  editor->viewport()->installEventFilter(this);
}

void RawDataWindow::ApplyTexts() {
  setWindowTitle(ToQt(texts::RawDataWindowTitle(language_)));
  for (QWidget* w : std::initializer_list<QWidget*>{
           openButton, fileLabel, minLabel, maxLabel, countLabel, epsLabel, histogramButton, fitButton, stopButton,
           fitListLabel, tableButton, dataLabelsBox, characteristicsButton, exportButton, pictureButton,
           pureDiscreteBox, newButton, editorBox, saveButton, cancelButton, closeButton}) {
    Caption(w, language_);
  }
  for (QAction* item : exportTargets->Items()) {
    item->setText(ToQt(texts::RawDataControlCaption(ToStd(item->objectName()), language_)));
  }
  for (QComboBox* list : {marksList, axisLabelsList}) {
    const QSignalBlocker block(list);
    const int item = list->currentIndex();
    list->clear();
    for (const std::string& text : texts::RawDataListItems(ToStd(list->objectName()), language_))
      list->addItem(ToQt(text));
    list->setCurrentIndex(std::max(item, 0));
  }
  for (QTableWidget* grid : {sampleGrid, displayGrid, momentsGrid, closenessGrid, lineGrid}) {
    const std::vector<std::string> rows = texts::RawDataGridRowNames(ToStd(grid->objectName()), language_);
    for (int r = 0; r < static_cast<int>(rows.size()) && r < grid->rowCount(); ++r)
      SetCell(grid, r, 0, ToQt(rows[static_cast<std::size_t>(r)]));
  }
}

void RawDataWindow::ReadSettings() {
  settings::RawDataWindowSettings values;
  if (settings_ != nullptr) values = settings::ReadRawDataWindowSettings(*settings_);
  move(values.left, values.top);
  resize(values.width, values.height);
  savedEps_ = ToQt(values.eps);
  lastCount_ = ToQt(values.intervals);
  epsField->setText(savedEps_);
  countField->setText(lastCount_);
  marksList->setCurrentIndex(values.marksItem);
  angleBox->setValue(values.labelAngle);
}

void RawDataWindow::WriteSettings() {
  if (settings_ == nullptr) return;
  settings::RawDataWindowSettings values;
  values.left = x();
  values.top = y();
  values.width = width();
  values.height = height();
  values.eps = ToStd(epsField->text());
  values.intervals = ToStd(countField->text());
  values.marksItem = marksList->currentIndex();
  values.labelAngle = angleBox->value();
  settings::WriteRawDataWindowSettings(values, *settings_);
}

}  // namespace dorvex::gui
