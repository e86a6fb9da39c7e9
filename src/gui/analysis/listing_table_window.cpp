#include "analysis/listing_table_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "analysis/listing_tables.h"
#include "analysis/result_commands.h"
#include "analysis/xlsx_writer.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "texts/language.h"

namespace dorvex::gui {

namespace {

constexpr int kColumns = 5;
// 0x00BBGGRR colour values of the painted rows.
constexpr unsigned kTotalRowColour = 11783167;
constexpr unsigned kResultRowColour = 0xFFE1E1;
constexpr unsigned kInputRowColour = 0xC1FFFF;
constexpr unsigned kBelowQuantileColour = 0xB0D8FF;

}  // namespace

ListingTableWindow::ListingTableWindow(const PlatformServices& services, settings::SettingsFile* settings,
                                       QString graphsFolder, const PlacementKeys& keys,
                                       std::initializer_list<int> columnWidths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      services_(services),
      settings_(settings),
      graphsFolder_(std::move(graphsFolder)),
      keys_(keys) {
  auto* tools = new QHBoxLayout;
  KontTisk = new QToolButton(this);
  KontTisk->setObjectName(QStringLiteral("KontTisk"));
  KontTisk->setText(QStringLiteral("Excel"));
  ExitBtn = new QToolButton(this);
  ExitBtn->setObjectName(QStringLiteral("ExitBtn"));
  ExitBtn->setText(QStringLiteral("Exit"));
  tools->addWidget(KontTisk);
  tools->addWidget(ExitBtn);
  tools->addStretch();

  StringGrid1 = MakeStringGrid("StringGrid1", 1, kColumns, this);
  SetGridColumnWidths(StringGrid1, columnWidths);
  // The listing is as long as the histogram: it scrolls instead of growing.
  StringGrid1->setMinimumHeight(0);
  StringGrid1->setMaximumHeight(QWIDGETSIZE_MAX);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(StringGrid1, 1);

  connect(KontTisk, &QToolButton::clicked, this, &ListingTableWindow::KontTiskClick);
  connect(ExitBtn, &QToolButton::clicked, this, &QWidget::close);
  RestorePlacement(this, settings_, keys_);
}

void ListingTableWindow::ShowListing(const model::Histogram& h, const analysis::DescriptionGrid& table,
                                     const ListingPaint& paint) {
  listed_ = h;
  shown_ = table;
  const QString title = QString::fromStdString(table.title);
  setWindowTitle(title);
  setToolTip(title);
  StringGrid1->clearContents();
  StringGrid1->setRowCount(static_cast<int>(table.rows.size()));
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    const auto& cells = table.rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < kColumns && column < static_cast<int>(cells.size()); ++column) {
      SetCell(StringGrid1, row, column, QString::fromStdString(cells[static_cast<std::size_t>(column)]));
    }
  }
  Paint(paint);
  KontTisk->setVisible(true);
  show();
  raise();
  activateWindow();
}

void ListingTableWindow::Paint(const ListingPaint& paint) {
  if (paint.background.isValid()) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, paint.background);
    setPalette(palette);
  }
  const int rows = StringGrid1->rowCount();
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      QTableWidgetItem* item = StringGrid1->item(row, column);
      if (item == nullptr) {
        SetCell(StringGrid1, row, column, QString());
        item = StringGrid1->item(row, column);
      }
      if (paint.font.isValid()) item->setForeground(paint.font);
      item->setBackground(QBrush());
    }
  }
  if (!paint.coloured || rows < 2) return;
  const int last = rows - 1;
  for (int column = 1; column <= 3; ++column) StringGrid1->item(last, column)->setBackground(FromColorRef(kTotalRowColour));
  for (int row = 1; row < last; ++row) {
    const std::optional<double> value = ComparedValue(listed_, row, rows);
    if (!value) continue;
    unsigned colour = paint.listsResult ? kResultRowColour : kInputRowColour;
    if (paint.quantileProbability) {
      colour = *value - paint.resultClassWidth >= *paint.quantileProbability ? kResultRowColour : kBelowQuantileColour;
    }
    for (int column = 0; column < kColumns; ++column) StringGrid1->item(row, column)->setBackground(FromColorRef(colour));
  }
}

QString ListingTableWindow::WorkbookPath() const {
  return QDir(graphsFolder_).filePath(QString::fromLatin1(kListingWorkbookName));
}

void ListingTableWindow::KontTiskClick() {
  const analysis::SheetLayout layout = analysis::ListingCells(listed_, shown_, texts::CurrentLanguage());
  const QString path = WorkbookPath();
  if (const auto error = analysis::WriteWorkbook(path.toStdString(), layout)) {
    ShowModelError(services_, *error);
    return;
  }
  if (!services_.desktop->OpenUrl(QUrl::fromLocalFile(path))) ShowUnavailable(services_, kSpreadsheetUnavailable);
}

void ListingTableWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (LostActivation(this, event)) close();
}

void ListingTableWindow::closeEvent(QCloseEvent* event) {
  SavePlacement(this, settings_, keys_);
  QWidget::closeEvent(event);
  emit Closed();
}

}  // namespace dorvex::gui
