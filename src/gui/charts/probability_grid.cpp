#include "charts/probability_grid.h"

#include <QTableWidget>

#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "analysis/listing_rows.h"

namespace dorvex::gui {

void FillProbabilityGrid(QTableWidget* grid, std::span<const double> probabilities, double d, double min,
                         bool discrete, texts::Language language) {
  const auto rows = analysis::ProbabilityGridRows(probabilities, d, min, discrete, language);
  grid->clearContents();
  grid->setColumnCount(3);
  grid->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; column < 3; ++column) {
      SetCell(grid, row, column, ToQt(rows[row][column]));
    }
  }
  grid->show();
}

}  // namespace dorvex::gui
