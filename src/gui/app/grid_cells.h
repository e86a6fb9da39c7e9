#pragma once
// The string grids of the windows: fixed tables of text cells.

#include <QString>

class QTableWidget;
class QWidget;

namespace dorvex::gui {

// A read-only grid of rows x columns without headers or scroll bars; its size
// follows its cells.
QTableWidget* MakeStringGrid(const char* name, int rows, int columns, QWidget* parent);
// Sets the widths of the grid's columns and fixes its size to them.
void SetGridColumnWidths(QTableWidget* grid, std::initializer_list<int> widths);
// Writes / reads the text of one cell (an empty cell reads as "").
void SetCell(QTableWidget* grid, int row, int column, const QString& text);
QString Cell(const QTableWidget* grid, int row, int column);

}  // namespace dorvex::gui
