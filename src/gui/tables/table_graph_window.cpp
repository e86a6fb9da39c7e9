#include "tables/table_graph_window.h"

#include <QChartView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "app/tool_window.h"
#include "charts/chart_tool_bar.h"
#include "charts/draw_histogram.h"
#include "charts/probability_grid.h"
#include "settings/settings_file.h"
#include "settings/table_window_settings.h"
#include "statvex/number_text.h"
#include "texts/table_window_texts.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"GrafKoSu-Form13", ".Width", ".Height", settings::kTableGraphMinimumWidth,
                                   settings::kTableGraphMinimumHeight};

}  // namespace

TableGraphWindow::TableGraphWindow(settings::SettingsFile* settings, texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), settings_(settings), language_(language) {
  setObjectName(QStringLiteral("TForm13"));
  chart = new QChartView(this);
  chart->setObjectName(QStringLiteral("Chart1"));
  SetupHistogramChart(chart, Qt::black);
  chart->setMinimumSize(420, 240);
  chartToolBar = new ChartToolBar("Panel2", chart);

  summaryGrid = MakeStringGrid("StringGrid1", 3, 2, this);
  SetGridColumnWidths(summaryGrid, {130, 110});
  probabilityGrid = new QTableWidget(0, 3, this);
  probabilityGrid->setObjectName(QStringLiteral("StringGrid2"));
  probabilityGrid->horizontalHeader()->hide();
  probabilityGrid->verticalHeader()->hide();
  probabilityGrid->verticalHeader()->setDefaultSectionSize(18);
  probabilityGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  probabilityGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  probabilityGrid->setFixedWidth(summaryGrid->width());

  auto* side = new QVBoxLayout;
  side->addWidget(summaryGrid);
  side->addWidget(probabilityGrid, 1);
  auto* main = new QHBoxLayout(this);
  main->addWidget(chart, 1);
  main->addLayout(side);

  new ToolWindowPlacement(this, settings, kPlacement);
  // The graph may be made wider than it opens; only its smallest size is fixed.
  setMinimumSize(settings::kTableGraphMinimumWidth, settings::kTableGraphMinimumHeight);
  setMaximumWidth(QWIDGETSIZE_MAX);
  if (settings != nullptr) {
    resize(std::max(settings->ReadInteger(settings::kSectionPosition, settings::kTableGraphWindowPlacement.width,
                                          settings::kTableGraphMinimumWidth),
                    settings::kTableGraphMinimumWidth),
           height());
  }
  ApplyTexts();
}

void TableGraphWindow::SetLanguage(texts::Language language) {
  language_ = language;
  ApplyTexts();
  if (shown_) Draw();
}

void TableGraphWindow::ApplyTexts() {
  setWindowTitle(ToQt(texts::TableGraphWindowTitle(language_)));
  const std::vector<std::string> names = texts::TableGraphSummaryNames(language_);
  for (int r = 0; r < 3; ++r) SetCell(summaryGrid, r, 0, ToQt(names[static_cast<std::size_t>(r)]));
}

void TableGraphWindow::ShowGraph(const TableGraph& graph, const TableGraphLook& look) {
  graph_ = graph;
  look_ = look;
  shown_ = true;
  Draw();
  show();
  PlaceChartToolBar();
  raise();
  activateWindow();
}

void TableGraphWindow::Draw() {
  const model::Histogram& h = graph_.histogram;
  SetupHistogramChart(chart, look_.title.isValid() ? look_.title : QColor(Qt::black));
  HistogramPicture picture;
  picture.mode = ChartMode::Result;
  picture.probabilities = h.P.data() + 1;
  picture.count = h.N;
  picture.bar = look_.bars.isValid() ? look_.bars : QColor(Qt::blue);
  picture.frame = picture.bar;
  picture.title = graph_.title;
  picture.d = h.d;
  picture.min = h.Min;
  picture.labels = look_.valueLabels ? AxisLabelMode::Value : AxisLabelMode::Index;
  picture.language = language_;
  picture.indexAxisTitle = graph_.indexAxisTitle;
  DrawHistogram(chart, picture);
  SetChartTitleLines(chart, {QString(), graph_.title});

  SetCell(summaryGrid, 0, 1, ToQt(statvex::DisplayNumber(h.Min)));
  SetCell(summaryGrid, 1, 1, ToQt(statvex::DisplayNumber(h.Max)));
  SetCell(summaryGrid, 2, 1, QStringLiteral(" %1").arg(h.N));
  FillProbabilityGrid(probabilityGrid, std::span<const double>(h.P.data() + 1, static_cast<std::size_t>(h.N)), h.d,
                      h.Min, true, language_);
  probabilityGrid->resizeColumnsToContents();
  const std::vector<unsigned> colours = settings::TableGraphRowColours(probabilityGrid->rowCount());
  for (int r = 0; r < probabilityGrid->rowCount(); ++r) {
    for (int c = 0; c < probabilityGrid->columnCount(); ++c) {
      if (probabilityGrid->item(r, c) == nullptr) probabilityGrid->setItem(r, c, new QTableWidgetItem());
      const unsigned colour = colours[static_cast<std::size_t>(r)];
      probabilityGrid->item(r, c)->setBackground(look_.gridColours && colour != 0 ? QBrush(FromColorRef(colour))
                                                                                  : QBrush());
    }
  }
}

void TableGraphWindow::Clear() {
  shown_ = false;
  ClearHistogramChart(chart, {});
  for (int r = 0; r < 3; ++r) SetCell(summaryGrid, r, 1, QString());
  probabilityGrid->setRowCount(0);
}

void TableGraphWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceChartToolBar();
}

void TableGraphWindow::PlaceChartToolBar() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const bool wide = isMaximized() || (screen != nullptr && width() >= screen->availableGeometry().width());
  chartToolBar->Place(look_.chartToolBar && wide);
}

}  // namespace dorvex::gui
