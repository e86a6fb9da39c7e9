// The main window's controls and their layout.
#include <QBoxLayout>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/toolbar_icons.h"
#include "charts/draw_histogram.h"
#include "engine/operation_table.h"
#include "texts/main_window_texts.h"

namespace dorvex::gui {

namespace {

// Colours of the designed window (0x00BBGGRR).
constexpr unsigned kChartTitleColour = 0xFF0000;
constexpr unsigned kPanelCaptionColour = 0xFF0000;

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLineEdit* MakeEdit(const char* name, int width, QWidget* parent) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setFixedWidth(width);
  return edit;
}

QLabel* MakeLabel(const char* name, QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = Named(new QLabel(parent), name);
  label->setAlignment(alignment);
  return label;
}

QChartView* MakeChart(const char* name, QWidget* parent) {
  auto* view = Named(new QChartView(parent), name);
  view->setMinimumSize(120, 90);
  // A chart is looked at, not typed into: clicking it leaves the focus where it is.
  view->setFocusPolicy(Qt::NoFocus);
  view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  SetupHistogramChart(view, FromColorRef(kChartTitleColour));
  return view;
}

// Hidden controls keep their room, so the panel does not jump when they appear.
void KeepRoomWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

// The caption is bold italic in the caption colour. A style sheet would say it
// shorter but would also reset the fonts of every control in the panel.
void StylePanelCaption(QGroupBox* panel) {
  QFont font = panel->font();
  font.setBold(true);
  font.setItalic(true);
  panel->setFont(font);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::WindowText, FromColorRef(kPanelCaptionColour));
  panel->setPalette(colours);
}

// Width of the widest of the texts in the widget's font, plus room for the frame.
int TextRoom(const QWidget* widget, std::initializer_list<const char*> texts, int padding = 10) {
  const QFontMetrics metrics(widget->font());
  int widest = 0;
  for (const char* text : texts) widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(text)));
  return widest + padding;
}

// Width of the widest row label of the grid `name` in either language, plus room for the frame.
int LabelRoom(const QWidget* widget, const char* name, int padding = 10) {
  const QFontMetrics metrics(widget->font());
  int widest = 0;
  for (texts::Language language : {texts::Language::English, texts::Language::Czech}) {
    for (const std::string& label : texts::MainWindowGridLabels(name, language)) {
      widest = std::max(widest, metrics.horizontalAdvance(ToQt(label)));
    }
  }
  return widest + padding;
}

// The widest number text of the display fields (12 characters, exponent form).
constexpr const char* kWidestNumber = "-1.23457E-05";

// Controls of a panel take back the window's font and colours.
void PlainFont(QWidget* widget) {
  const QWidget* window = widget->window();
  QFont font = window->font();
  font.setBold(false);  // set explicitly, or the panel's caption font shows through
  font.setItalic(false);
  widget->setFont(font);
  QPalette colours = widget->palette();
  colours.setColor(QPalette::WindowText, window->palette().color(QPalette::WindowText));
  widget->setPalette(colours);
}

}  // namespace

void MainWindow::CreateToolBar() {
  toolBar = Named(new QWidget(centralWidget()), "Panel2");
  toolBar->setFixedHeight(33);
  toolBar->installEventFilter(this);
  auto* row = new QHBoxLayout(toolBar);
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(0);

  const auto button = [&](QToolButton*& member, const char* name) {
    member = Named(new QToolButton(toolBar), name);
    member->setFixedSize(25, 25);
    member->setAutoRaise(true);
    member->setIcon(ToolBarIcon(member->objectName(), style()));
    member->setIconSize(QSize(kToolIconSize, kToolIconSize));
    row->addWidget(member);
  };
  const auto gap = [&] { row->addSpacing(5); };

  button(inputA.openButton, "VstupA");
  button(inputA.reopenButton, "SBHistA");
  button(inputB.openButton, "VstupB");
  button(inputB.reopenButton, "SBHistB");
  gap();
  button(saveResultButton, "HistVysl");
  button(saveReportButton, "Vysledky");
  button(wordDocumentButton, "OtevriWord");
  button(exportChartButton, "UlozGraf");
  button(copyWindowButton, "UlozOkno");
  gap();
  button(distributionFunctionButton, "KrivkaTrvani");
  button(characteristicsButton, "BChar");
  gap();
  button(exitButton, "BitBtn13");
  gap();
  button(inputA.describeButton, "PopisA");
  button(inputA.listFileButton, "VypisHistA");
  button(inputB.describeButton, "PopisB");
  button(inputB.listFileButton, "VypisHistB");
  button(describeResultButton, "PopisAB");
  gap();
  button(coloursButton, "ZmenaBarev");
  button(defaultsButton, "Default");
  button(clearReopenButton, "Zasobnik");
  gap();
  button(pictureViewerButton, "VolejPicture");
  button(textViewerButton, "BitBtn2");
  button(pdfViewerButton, "BitBtn37");
  gap();
  button(foldersButton, "OAdresach");
  button(versionButton, "Verze");
  button(helpButton, "Help");
  row->addStretch(1);
}

QGroupBox* MainWindow::CreateInputPanel(model::SlotId slot) {
  const bool a = slot == model::SlotId::A;
  auto* panel = Named(new QGroupBox(centralWidget()), a ? "GroupBox1" : "GroupBox2");
  StylePanelCaption(panel);
  panel->setMinimumHeight(266);

  const int numberWidth = TextRoom(this, {kWidestNumber}, 12);
  auto* name = MakeEdit(a ? "Edit_NameA" : "Edit_NameB", 100, panel);
  name->setMinimumWidth(100);
  name->setMaximumWidth(QWIDGETSIZE_MAX);
  name->setReadOnly(true);
  auto* type = Named(new QComboBox(panel), a ? "CBTypHistA" : "CBTypHistB");
  type->setMaxVisibleItems(30);
  auto* summary = MakeStringGrid(a ? "StringGrid3" : "StringGrid4", 3, 2, panel);
  SetGridColumnWidths(summary, {LabelRoom(this, a ? "StringGrid3" : "StringGrid4"),
                                TextRoom(this, {" Pure Discrete", " 1.0000E+06"})});

  auto* minLabel = MakeLabel(a ? "Label_MinA" : "Label_MinB", panel);
  auto* min = MakeEdit(a ? "Edit_MinA" : "Edit_MinB", numberWidth, panel);
  auto* maxLabel = MakeLabel(a ? "Label_MaxA" : "Label_MaxB", panel);
  auto* max = MakeEdit(a ? "Edit_MaxA" : "Edit_MaxB", numberWidth, panel);
  auto* multipleLabel = MakeLabel(a ? "Label_NasA" : "Label_NasB", panel);
  auto* multiple = MakeEdit(a ? "Edit_NasA" : "Edit_NasB", numberWidth, panel);
  auto* chart = MakeChart(a ? "Chart_A" : "Chart_B", panel);

  for (QWidget* child : std::initializer_list<QWidget*>{name, type, summary, minLabel, min, maxLabel, max,
                                                        multipleLabel, multiple, chart}) {
    PlainFont(child);
  }

  auto* left = new QVBoxLayout();
  left->setSpacing(2);
  left->addWidget(type);
  left->addWidget(summary);
  auto* fields = new QGridLayout();
  fields->setHorizontalSpacing(4);
  fields->setVerticalSpacing(2);
  fields->addWidget(minLabel, 0, 0);
  fields->addWidget(min, 0, 1);
  fields->addWidget(maxLabel, 1, 0);
  fields->addWidget(max, 1, 1);
  fields->addWidget(multipleLabel, 2, 0);
  fields->addWidget(multiple, 2, 1);
  fields->setRowStretch(3, 1);
  auto* middle = new QHBoxLayout();
  middle->setSpacing(6);
  middle->addLayout(left);
  middle->addStretch(1);
  middle->addLayout(fields);

  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(5, 4, 5, 5);
  column->setSpacing(3);
  column->addWidget(name);
  column->addLayout(middle);
  column->addWidget(chart, 1);

  InputControls& c = Input(slot);
  c.panel = panel;
  c.nameField = name;
  c.typeSelector = type;
  c.summaryGrid = summary;
  c.minLabel = minLabel;
  c.minField = min;
  c.maxLabel = maxLabel;
  c.maxField = max;
  c.multipleLabel = multipleLabel;
  c.multipleField = multiple;
  c.chart = chart;
  return panel;
}

QGroupBox* MainWindow::CreateResultPanel() {
  resultPanel = Named(new QGroupBox(centralWidget()), "GroupBox3");
  StylePanelCaption(resultPanel);
  QWidget* panel = resultPanel;

  // Left: the result summary and the two queries.
  const int numberWidth = TextRoom(this, {kWidestNumber}, 12);
  resultSummary = MakeStringGrid("StringGrid5", 6, 2, panel);
  SetGridColumnWidths(resultSummary, {LabelRoom(this, "StringGrid5"),
                                    TextRoom(this, {kWidestNumber, " 4.06073E+15"}, 16)});
  valueLabel = MakeLabel("Label4", panel, Qt::AlignCenter);
  valueField = MakeEdit("Edit_P", numberWidth, panel);
  probabilityLabel = MakeLabel("Label17", panel, Qt::AlignCenter);
  probabilityField = MakeEdit("Edit_AB", numberWidth, panel);
  const int queryLabelWidth = TextRoom(this, {"P(X<=x)"}, 8);
  valueAnswerGrid = MakeStringGrid("StringGrid7", 2, 2, panel);
  SetGridColumnWidths(valueAnswerGrid, {queryLabelWidth, TextRoom(this, {kWidestNumber})});
  quantileGrid = MakeStringGrid("StringGrid6", 1, 2, panel);
  SetGridColumnWidths(quantileGrid, {queryLabelWidth, TextRoom(this, {kWidestNumber})});

  reliabilityLabel = MakeLabel("LabelPf", panel);
  reliabilityLabel->setWordWrap(true);
  reliabilityLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  targetIndexLabel = MakeLabel("LabBetaTarget", panel);
  targetIndexBox = Named(new QDoubleSpinBox(panel), "SpinBetaTarget");
  targetIndexBox->setRange(0.5, settings::kLargestTargetIndex);
  targetIndexBox->setDecimals(2);
  targetIndexBox->setSingleStep(0.1);
  auto* target = new QHBoxLayout();
  target->setSpacing(4);
  target->addWidget(targetIndexLabel);
  target->addWidget(targetIndexBox);
  target->addStretch(1);

  auto* queries = new QGridLayout();
  queries->setHorizontalSpacing(3);
  queries->setVerticalSpacing(1);
  queries->addWidget(valueLabel, 0, 0);
  queries->addWidget(valueField, 1, 0);
  queries->addWidget(valueAnswerGrid, 0, 1, 2, 1, Qt::AlignBottom);
  queries->addWidget(probabilityLabel, 2, 0);
  queries->addWidget(probabilityField, 3, 0);
  queries->addWidget(quantileGrid, 3, 1, Qt::AlignVCenter);
  auto* left = new QVBoxLayout();
  left->setSpacing(4);
  left->addWidget(resultSummary);
  left->addLayout(queries);
  left->addLayout(target);
  left->addWidget(reliabilityLabel);
  left->addStretch(1);

  // Middle: the chart controls over the result chart.
  dataLabelsBox = Named(new QCheckBox(panel), "CheckBox1");
  axisLabelsSelector = Named(new QComboBox(panel), "CBValInd");
  marksSelector = Named(new QComboBox(panel), "CBMarks");
  // Their items change with the language; the width follows them.
  for (QComboBox* list : {axisLabelsSelector, marksSelector}) list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (const std::string& item : texts::MainWindowListItems("CBMarks", language_)) marksSelector->addItem(ToQt(item));
  labelAngleBox = Named(new QSpinBox(panel), "SpinEdAngle");
  labelAngleBox->setRange(0, 360);
  labelAngleBox->setSingleStep(15);
  labelAngleBox->setValue(90);
  labelAngleLabel = MakeLabel("Label_Angle", panel);
  resultChart = MakeChart("Chart_AB", panel);
  auto* chartControls = new QHBoxLayout();
  chartControls->setSpacing(4);
  chartControls->addWidget(dataLabelsBox);
  chartControls->addWidget(axisLabelsSelector);
  chartControls->addWidget(marksSelector);
  chartControls->addWidget(labelAngleBox);
  chartControls->addWidget(labelAngleLabel);
  chartControls->addStretch(1);
  // The result listing, shown under the enlarged result chart.
  resultListing = MakeStringGrid("StringGrid2", 1, 4, panel);
  // Room for the bold headers of both languages.
  constexpr int kHeaderPadding = 28;
  SetGridColumnWidths(resultListing, {TextRoom(this, {"   INT", " 1024 "}, kHeaderPadding),
                                    TextRoom(this, {"                 x", "    -1.23457E-05"}, kHeaderPadding),
                                    TextRoom(this, {"   Probability P(x)", "    Pravděpod. P(x)", "    -1.23457E-05"},
                                             kHeaderPadding),
                                    TextRoom(this, {"    Frequency", "  -1.23457E-05", "    Četnost"},
                                             kHeaderPadding)});
  resultListing->setFixedWidth(resultListing->width() + resultListing->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  resultListing->setFixedHeight(196);
  resultListing->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  resultListing->hide();
  auto* middle = new QVBoxLayout();
  middle->setSpacing(2);
  middle->addLayout(chartControls);
  middle->addWidget(resultChart, 1);
  middle->addSpacing(4);
  middle->addWidget(resultListing, 0, Qt::AlignHCenter);

  // Right: the operation panel.
  operationPanel = Named(new QWidget(panel), "Panel1");
  operationPanel->setFixedWidth(TextRoom(this, {"Exponent n"}, 14) + numberWidth);
  exponentLabel = MakeLabel("Label_Mocnitel", operationPanel);
  exponentField = MakeEdit("EdMocnitel", numberWidth, operationPanel);
  resultMinLabel = MakeLabel("Label19", operationPanel);
  resultMinField = MakeEdit("EdXMin", numberWidth, operationPanel);
  resultMaxLabel = MakeLabel("Label23", operationPanel);
  resultMaxField = MakeEdit("EdXMax", numberWidth, operationPanel);
  resultMultipleLabel = MakeLabel("Label13", operationPanel);
  resultMultipleField = MakeEdit("EdNasob", numberWidth, operationPanel);
  for (QWidget* hidden : std::initializer_list<QWidget*>{resultMinLabel, resultMinField, resultMaxLabel, resultMaxField,
                                                        resultMultipleLabel, resultMultipleField}) {
    KeepRoomWhenHidden(hidden);
  }
  operationLabel = MakeLabel("Label7", operationPanel, Qt::AlignCenter);
  operationSelector = Named(new QComboBox(operationPanel), "ComboBox_Operace");
  for (const engine::OperationEntry& entry : engine::OperationTable()) {
    operationSelector->addItem(ToQt(engine::OperationListText(entry.code, language_)));
  }
  operationSelector->setMaxVisibleItems(10);
  runButton = Named(new QPushButton(QStringLiteral("OK"), operationPanel), "Button_Proved_Operaci");
  progressBar = Named(new QProgressBar(operationPanel), "ProgressBar1");
  progressBar->setTextVisible(false);
  progressBar->setFixedHeight(12);
  KeepRoomWhenHidden(progressBar);
  progressBar->hide();

  auto* operation = new QGridLayout(operationPanel);
  operation->setContentsMargins(0, 0, 0, 0);
  operation->setHorizontalSpacing(4);
  operation->setVerticalSpacing(2);
  operation->addWidget(exponentLabel, 0, 0);
  operation->addWidget(exponentField, 0, 1, Qt::AlignRight);
  operation->addWidget(resultMinLabel, 1, 0);
  operation->addWidget(resultMinField, 1, 1);
  operation->addWidget(resultMaxLabel, 2, 0);
  operation->addWidget(resultMaxField, 2, 1);
  operation->addWidget(resultMultipleLabel, 3, 0);
  operation->addWidget(resultMultipleField, 3, 1);
  operation->setRowStretch(4, 1);
  operation->addWidget(operationLabel, 5, 0, 1, 2);
  operation->addWidget(operationSelector, 6, 0, 1, 2);
  operation->addWidget(runButton, 7, 0, 1, 2);
  operation->addWidget(progressBar, 8, 0, 1, 2);

  for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) PlainFont(child);

  auto* row = new QHBoxLayout(resultPanel);
  row->setContentsMargins(5, 4, 5, 5);
  row->setSpacing(6);
  row->addLayout(left);
  row->addLayout(middle, 1);
  row->addWidget(operationPanel);

  // The re-open grid floats over the panels under the tool bar.
  reopenGrid = MakeStringGrid("StringGrid1", 1, 5, centralWidget());
  reopenGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  reopenGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  reopenGrid->hide();
  return resultPanel;
}

void MainWindow::ArrangeColumn(QGroupBox* panelA, QGroupBox* panelB) {
  auto* inputs = new QHBoxLayout();
  inputs->setContentsMargins(4, 0, 4, 0);
  inputs->setSpacing(6);
  inputs->addWidget(panelA, 1);
  inputs->addWidget(panelB, 1);
  auto* column = new QVBoxLayout(centralWidget());
  column->setContentsMargins(0, 0, 0, 2);
  column->setSpacing(2);
  column->addWidget(toolBar);
  // The input charts and the result chart share the height.
  column->addLayout(inputs, kInputStretch);
  auto* result = new QHBoxLayout();
  result->setContentsMargins(4, 0, 4, 0);
  result->addWidget(resultPanel);
  column->addLayout(result, kResultStretch);
}

void MainWindow::CreateStatusBar() {
  statusLine = Named(new QStatusBar(this), "StatusBar1");
  clockPanel = MakeLabel("StatusPanel0", statusLine);
  clockPanel->setMinimumWidth(80);
  hintPanel = MakeLabel("StatusPanel1", statusLine);
  statusLine->addWidget(clockPanel);
  statusLine->addWidget(hintPanel, 1);
  setStatusBar(statusLine);
  clockTimer = Named(new QTimer(this), "Timer1");
  clockTimer->setInterval(1000);
}

}  // namespace dorvex::gui
