#include "app/grid_cells.h"

#include <QHeaderView>
#include <QTableWidget>

namespace dorvex::gui {

namespace {

constexpr int kRowHeight = 17;

void FitHeight(QTableWidget* grid) {
  const int frame = 2 * grid->frameWidth();
  grid->setFixedHeight(grid->rowCount() * kRowHeight + frame);
}

}  // namespace

QTableWidget* MakeStringGrid(const char* name, int rows, int columns, QWidget* parent) {
  auto* grid = new QTableWidget(rows, columns, parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::NoFocus);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setWordWrap(false);
  FitHeight(grid);
  return grid;
}

void SetGridColumnWidths(QTableWidget* grid, std::initializer_list<int> widths) {
  int total = 2 * grid->frameWidth();
  int column = 0;
  for (int width : widths) {
    grid->setColumnWidth(column++, width);
    total += width;
  }
  grid->setFixedWidth(total);
  FitHeight(grid);
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid->item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem(text);
    grid->setItem(row, column, item);
  } else {
    item->setText(text);
  }
}

QString Cell(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item != nullptr ? item->text() : QString();
}

}  // namespace dorvex::gui
