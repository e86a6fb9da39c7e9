// The main window's controls and their layout.
#include <QBoxLayout>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
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

#include "app/Prob_u.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/toolbar_icons.h"
#include "charts/draw_histogram.h"

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

void TForm1::CreateToolBar() {
  Panel2 = Named(new QWidget(centralWidget()), "Panel2");
  Panel2->setFixedHeight(33);
  Panel2->installEventFilter(this);
  auto* row = new QHBoxLayout(Panel2);
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(0);

  const auto button = [&](QToolButton*& member, const char* name) {
    member = Named(new QToolButton(Panel2), name);
    member->setFixedSize(25, 25);
    member->setAutoRaise(true);
    member->setIcon(ToolBarIcon(member->objectName(), style()));
    member->setIconSize(QSize(kToolIconSize, kToolIconSize));
    row->addWidget(member);
  };
  const auto gap = [&] { row->addSpacing(5); };

  button(VstupA, "VstupA");
  button(SBHistA, "SBHistA");
  button(VstupB, "VstupB");
  button(SBHistB, "SBHistB");
  gap();
  button(HistVysl, "HistVysl");
  button(Vysledky, "Vysledky");
  button(OtevriWord, "OtevriWord");
  button(UlozGraf, "UlozGraf");
  button(UlozOkno, "UlozOkno");
  gap();
  button(KrivkaTrvani, "KrivkaTrvani");
  button(BChar, "BChar");
  gap();
  button(BitBtn13, "BitBtn13");
  gap();
  button(PopisA, "PopisA");
  button(VypisHistA, "VypisHistA");
  button(PopisB, "PopisB");
  button(VypisHistB, "VypisHistB");
  button(PopisAB, "PopisAB");
  gap();
  button(ZmenaBarev, "ZmenaBarev");
  button(Default, "Default");
  button(Zasobnik, "Zasobnik");
  gap();
  button(VolejPicture, "VolejPicture");
  button(BitBtn2, "BitBtn2");
  button(BitBtn37, "BitBtn37");
  gap();
  button(OAdresach, "OAdresach");
  button(Verze, "Verze");
  button(Help, "Help");
  row->addStretch(1);
}

QGroupBox* TForm1::CreateInputPanel(model::SlotId slot) {
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
  SetGridColumnWidths(summary, {TextRoom(this, {"Probability summation", "Počet intervalů", "Suma četností"}),
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

  if (a) {
    GroupBox1 = panel;
    Edit_NameA = name;
    CBTypHistA = type;
    StringGrid3 = summary;
    Label_MinA = minLabel;
    Edit_MinA = min;
    Label_MaxA = maxLabel;
    Edit_MaxA = max;
    Label_NasA = multipleLabel;
    Edit_NasA = multiple;
    Chart_A = chart;
  } else {
    GroupBox2 = panel;
    Edit_NameB = name;
    CBTypHistB = type;
    StringGrid4 = summary;
    Label_MinB = minLabel;
    Edit_MinB = min;
    Label_MaxB = maxLabel;
    Edit_MaxB = max;
    Label_NasB = multipleLabel;
    Edit_NasB = multiple;
    Chart_B = chart;
  }
  return panel;
}

QGroupBox* TForm1::CreateResultPanel() {
  GroupBox3 = Named(new QGroupBox(centralWidget()), "GroupBox3");
  StylePanelCaption(GroupBox3);
  QWidget* panel = GroupBox3;

  // Left: the result summary and the two queries.
  const int numberWidth = TextRoom(this, {kWidestNumber}, 12);
  StringGrid5 = MakeStringGrid("StringGrid5", 6, 2, panel);
  SetGridColumnWidths(StringGrid5, {TextRoom(this, {"sum of probabilities", "Suma pravděpodobností"}),
                                    TextRoom(this, {kWidestNumber, " 4.06073E+15"}, 16)});
  Label4 = MakeLabel("Label4", panel, Qt::AlignCenter);
  Edit_P = MakeEdit("Edit_P", numberWidth, panel);
  Label17 = MakeLabel("Label17", panel, Qt::AlignCenter);
  Edit_AB = MakeEdit("Edit_AB", numberWidth, panel);
  const int queryLabelWidth = TextRoom(this, {"P(X<=x)"}, 8);
  StringGrid7 = MakeStringGrid("StringGrid7", 2, 2, panel);
  SetGridColumnWidths(StringGrid7, {queryLabelWidth, TextRoom(this, {kWidestNumber})});
  StringGrid6 = MakeStringGrid("StringGrid6", 1, 2, panel);
  SetGridColumnWidths(StringGrid6, {queryLabelWidth, TextRoom(this, {kWidestNumber})});

  auto* queries = new QGridLayout();
  queries->setHorizontalSpacing(3);
  queries->setVerticalSpacing(1);
  queries->addWidget(Label4, 0, 0);
  queries->addWidget(Edit_P, 1, 0);
  queries->addWidget(StringGrid7, 0, 1, 2, 1, Qt::AlignBottom);
  queries->addWidget(Label17, 2, 0);
  queries->addWidget(Edit_AB, 3, 0);
  queries->addWidget(StringGrid6, 3, 1, Qt::AlignVCenter);
  auto* left = new QVBoxLayout();
  left->setSpacing(4);
  left->addWidget(StringGrid5);
  left->addLayout(queries);
  left->addStretch(1);

  // Middle: the chart controls over the result chart.
  CheckBox1 = Named(new QCheckBox(panel), "CheckBox1");
  CBValInd = Named(new QComboBox(panel), "CBValInd");
  CBMarks = Named(new QComboBox(panel), "CBMarks");
  CBMarks->addItems({QStringLiteral("P(x)"), QStringLiteral("x"), QStringLiteral("x & P(x)"),
                     QStringLiteral("INT"), QStringLiteral("INT & P(x)")});
  SpinEdAngle = Named(new QSpinBox(panel), "SpinEdAngle");
  SpinEdAngle->setRange(0, 360);
  SpinEdAngle->setSingleStep(15);
  SpinEdAngle->setValue(90);
  Label_Angle = MakeLabel("Label_Angle", panel);
  Chart_AB = MakeChart("Chart_AB", panel);
  auto* chartControls = new QHBoxLayout();
  chartControls->setSpacing(4);
  chartControls->addWidget(CheckBox1);
  chartControls->addWidget(CBValInd);
  chartControls->addWidget(CBMarks);
  chartControls->addWidget(SpinEdAngle);
  chartControls->addWidget(Label_Angle);
  chartControls->addStretch(1);
  // The result listing, shown under the enlarged result chart.
  StringGrid2 = MakeStringGrid("StringGrid2", 1, 4, panel);
  // Room for the bold headers of both languages.
  constexpr int kHeaderPadding = 28;
  SetGridColumnWidths(StringGrid2, {TextRoom(this, {"   INT", " 1024 "}, kHeaderPadding),
                                    TextRoom(this, {"                 x", "    -1.23457E-05"}, kHeaderPadding),
                                    TextRoom(this, {"   Probability P(x)", "    Pravděpod. P(x)", "    -1.23457E-05"},
                                             kHeaderPadding),
                                    TextRoom(this, {"    Frequency", "  -1.23457E-05", "    Četnost"},
                                             kHeaderPadding)});
  StringGrid2->setFixedWidth(StringGrid2->width() + StringGrid2->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  StringGrid2->setFixedHeight(196);
  StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid2->hide();
  auto* middle = new QVBoxLayout();
  middle->setSpacing(2);
  middle->addLayout(chartControls);
  middle->addWidget(Chart_AB, 1);
  middle->addSpacing(4);
  middle->addWidget(StringGrid2, 0, Qt::AlignHCenter);

  // Right: the operation panel.
  Panel1 = Named(new QWidget(panel), "Panel1");
  Panel1->setFixedWidth(TextRoom(this, {"Exponent n"}, 14) + numberWidth);
  Label_Mocnitel = MakeLabel("Label_Mocnitel", Panel1);
  EdMocnitel = MakeEdit("EdMocnitel", numberWidth, Panel1);
  Label19 = MakeLabel("Label19", Panel1);
  EdXMin = MakeEdit("EdXMin", numberWidth, Panel1);
  Label23 = MakeLabel("Label23", Panel1);
  EdXMax = MakeEdit("EdXMax", numberWidth, Panel1);
  Label13 = MakeLabel("Label13", Panel1);
  EdNasob = MakeEdit("EdNasob", numberWidth, Panel1);
  for (QWidget* hidden : std::initializer_list<QWidget*>{Label19, EdXMin, Label23, EdXMax, Label13, EdNasob}) {
    KeepRoomWhenHidden(hidden);
  }
  Label7 = MakeLabel("Label7", Panel1, Qt::AlignCenter);
  ComboBox_Operace = Named(new QComboBox(Panel1), "ComboBox_Operace");
  ComboBox_Operace->addItems({QStringLiteral(" A + B"), QStringLiteral(" A - B"), QStringLiteral(" A * B"),
                              QStringLiteral(" A / B"), QStringLiteral(" A ^ 2"), QStringLiteral(" abs (A)"),
                              QStringLiteral(" A ^ n"), QStringLiteral(" A + A +...+ A"),
                              QStringLiteral(" A * A *...* A"), QStringLiteral(" A / A /... / A")});
  ComboBox_Operace->setMaxVisibleItems(10);
  Button_Proved_Operaci = Named(new QPushButton(QStringLiteral("OK"), Panel1), "Button_Proved_Operaci");
  ProgressBar1 = Named(new QProgressBar(Panel1), "ProgressBar1");
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setFixedHeight(12);
  KeepRoomWhenHidden(ProgressBar1);
  ProgressBar1->hide();

  auto* operation = new QGridLayout(Panel1);
  operation->setContentsMargins(0, 0, 0, 0);
  operation->setHorizontalSpacing(4);
  operation->setVerticalSpacing(2);
  operation->addWidget(Label_Mocnitel, 0, 0);
  operation->addWidget(EdMocnitel, 0, 1, Qt::AlignRight);
  operation->addWidget(Label19, 1, 0);
  operation->addWidget(EdXMin, 1, 1);
  operation->addWidget(Label23, 2, 0);
  operation->addWidget(EdXMax, 2, 1);
  operation->addWidget(Label13, 3, 0);
  operation->addWidget(EdNasob, 3, 1);
  operation->setRowStretch(4, 1);
  operation->addWidget(Label7, 5, 0, 1, 2);
  operation->addWidget(ComboBox_Operace, 6, 0, 1, 2);
  operation->addWidget(Button_Proved_Operaci, 7, 0, 1, 2);
  operation->addWidget(ProgressBar1, 8, 0, 1, 2);

  for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) PlainFont(child);

  auto* row = new QHBoxLayout(GroupBox3);
  row->setContentsMargins(5, 4, 5, 5);
  row->setSpacing(6);
  row->addLayout(left);
  row->addLayout(middle, 1);
  row->addWidget(Panel1);

  // The re-open grid floats over the panels under the tool bar.
  StringGrid1 = MakeStringGrid("StringGrid1", 1, 5, centralWidget());
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->hide();
  return GroupBox3;
}

void TForm1::CreateStatusBar() {
  StatusBar1 = Named(new QStatusBar(this), "StatusBar1");
  StatusPanel0 = MakeLabel("StatusPanel0", StatusBar1);
  StatusPanel0->setMinimumWidth(80);
  StatusPanel1 = MakeLabel("StatusPanel1", StatusBar1);
  StatusBar1->addWidget(StatusPanel0);
  StatusBar1->addWidget(StatusPanel1, 1);
  setStatusBar(StatusBar1);
  Timer1 = Named(new QTimer(this), "Timer1");
  Timer1->setInterval(1000);
}

}  // namespace dorvex::gui
