#include "analysis/listing_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/listing_tables.h"
#include "analysis/result_commands.h"
#include "analysis/xlsx_writer.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "app/tool_window.h"
#include "app/hints.h"
#include "texts/listing_window_texts.h"
#include "texts/window_titles.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPointsPlacement{"TabVypisu-Form3", ".Width", ".Height", 575, 374};
constexpr PlacementKeys kIntervalsPlacement{"TabVypisuDis-Form7", ".Width", ".Height", 565, 600};

}  // namespace

ListingWindow::ListingWindow(ListingKind kind, const PlatformServices& services, settings::SettingsFile* settings,
                             QString graphsFolder, texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      services_(services),
      graphsFolder_(std::move(graphsFolder)),
      language_(language),
      window_(kind == ListingKind::Points ? texts::kPointListingWindow : texts::kIntervalListingWindow) {
  const bool points = kind == ListingKind::Points;
  setObjectName(points ? QStringLiteral("Form3") : QStringLiteral("Form7"));

  auto* tools = new QHBoxLayout;
  exportButton_ = new QToolButton(this);
  exportButton_->setObjectName(QStringLiteral("KontTisk"));
  exitButton_ = new QToolButton(this);
  exitButton_->setObjectName(QStringLiteral("ExitBtn"));
  tools->addWidget(exportButton_);
  tools->addWidget(exitButton_);
  tools->addStretch();

  listingGrid_ = MakeStringGrid("StringGrid1", 1, analysis::kDescriptionColumns, this);
  if (points) SetGridColumnWidths(listingGrid_, {46, 93, 138, 98, 144});
  else SetGridColumnWidths(listingGrid_, {42, 88, 141, 95, 146});
  // The listing is as long as the histogram: it scrolls instead of growing.
  listingGrid_->setMinimumHeight(0);
  listingGrid_->setMaximumHeight(QWIDGETSIZE_MAX);
  listingGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(listingGrid_, 1);

  connect(exportButton_, &QToolButton::clicked, this, &ListingWindow::ExportToSpreadsheet);
  connect(exitButton_, &QToolButton::clicked, this, &QWidget::close);
  new ToolWindowPlacement(this, settings, points ? kPointsPlacement : kIntervalsPlacement);
  SetLanguage(language);
}

void ListingWindow::SetLanguage(texts::Language language) {
  language_ = language;
  for (QToolButton* button : {exportButton_, exitButton_}) {
    const texts::ButtonText text = texts::ListingButtonText(ToStd(button->objectName()), language_);
    button->setText(ToQt(text.caption));
    SetHint(button, ToQt(text.hint));
  }
  // A shown listing keeps the title of what it lists; its opener lists it anew.
  if (isVisible()) return;
  if (const auto title = texts::WindowTitle(window_, language_)) setWindowTitle(ToQt(*title));
}

void ListingWindow::ShowListing(const model::Histogram& h, const analysis::DescriptionGrid& table,
                                const ListingPaint& paint) {
  listed_ = h;
  shown_ = table;
  notes_.clear();
  setWindowTitle(ToQt(table.title));
  setToolTip(ToQt(table.title));
  listingGrid_->clearContents();
  listingGrid_->setRowCount(static_cast<int>(table.rows.size()));
  for (int row = 0; row < listingGrid_->rowCount(); ++row) {
    const auto& cells = table.rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < analysis::kDescriptionColumns && column < static_cast<int>(cells.size()); ++column) {
      SetCell(listingGrid_, row, column, ToQt(cells[static_cast<std::size_t>(column)]));
    }
  }
  Paint(h, paint);
  exportButton_->setVisible(true);
  show();
  raise();
  activateWindow();
}

void ListingWindow::Paint(const model::Histogram& h, const ListingPaint& paint) {
  if (paint.background.isValid()) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, paint.background);
    setPalette(palette);
  }
  const std::vector<analysis::RowPaint> rows = analysis::DescriptionPaint(h, paint.shading);
  for (int row = 0; row < listingGrid_->rowCount(); ++row) {
    const analysis::RowPaint* shade = row < static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(row)] : nullptr;
    for (int column = 0; column < analysis::kDescriptionColumns; ++column) {
      QTableWidgetItem* item = listingGrid_->item(row, column);
      if (item == nullptr) {
        SetCell(listingGrid_, row, column, QString());
        item = listingGrid_->item(row, column);
      }
      if (paint.font.isValid()) item->setForeground(paint.font);
      const bool painted = shade != nullptr && shade->colour && column >= shade->firstColumn &&
                           column <= shade->lastColumn;
      item->setBackground(painted ? QBrush(FromColorRef(*shade->colour)) : QBrush());
    }
  }
}

void ListingWindow::ExportToSpreadsheet() {
  const analysis::SheetLayout layout = analysis::WithNotes(analysis::ListingCells(listed_, shown_, language_), notes_);
  FileDialogRequest request;
  request.initialFolder = graphsFolder_;
  request.fileName = ToQt(analysis::WorkbookFileName(shown_.title));
  request.defaultSuffix = QStringLiteral("xlsx");
  request.filters = {QStringLiteral("Excel (*.xlsx)"), QStringLiteral("All files (*)")};
  const QString path = AskSavePath(services_, request, language_);
  if (path.isEmpty()) return;
  if (const auto error = analysis::WriteWorkbook(ToStd(path), layout)) {
    ShowModelError(services_, *error, language_);
    return;
  }
  OpenInSpreadsheet(services_, path, language_);
}

void ListingWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit Closed();
}

}  // namespace dorvex::gui
