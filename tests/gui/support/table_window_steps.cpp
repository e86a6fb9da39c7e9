#include "table_window_steps.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "app/grid_cells.h"

namespace dorvex::gui::testing {

QString ExampleFile(const char* folder, const char* file) {
  return QStringLiteral(DORVEX_EXAMPLES) + QStringLiteral("/Histograms/") + QString::fromUtf8(folder) +
         QLatin1Char('/') + QString::fromUtf8(file);
}

QWidget* TableWindowSteps::Window() const { return h_.Find<QWidget>(names_.window); }

QWidget* TableWindowSteps::GraphWindow() const { return h_.Find<QWidget>("TForm13"); }

QTableWidget* TableWindowSteps::Grid() const { return Find<QTableWidget>(names_.grid); }

QString TableWindowSteps::Cell(int row, int column) const { return gui::Cell(Grid(), row, column); }

void ChooseFromList(QComboBox* list, int item) {
  list->showPopup();
  QAbstractItemView* view = list->view();
  const QRect row = view->visualRect(view->model()->index(item, list->modelColumn(), list->rootModelIndex()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
  QApplication::processEvents();
}

void TableWindowSteps::OpenFrom(model::SlotId slot) {
  ChooseFromList(h_.Find<QComboBox>(slot == model::SlotId::A ? "CBTypHistA" : "CBTypHistB"), names_.selectorItem);
  Activate();
}

void TableWindowSteps::Activate() {
  if (!Window()->isVisible()) qFatal("the table window is not open");
  Window()->activateWindow();
  if (!QTest::qWaitForWindowActive(Window())) qWarning("table window not active");
  QApplication::processEvents();
}

void TableWindowSteps::Select(int row, int column) {
  QTableWidget* grid = Grid();
  const QRect cell = grid->visualRect(grid->model()->index(row, column));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QApplication::processEvents();
}

void TableWindowSteps::OpenRow(int row, const QString& path) {
  Select(row, 2);
  auto* button = Find<QToolButton>(names_.openHistogram);
  if (!button->isVisible()) qFatal("no open button over row %d", row);
  h_.platform().QueueOpenFile(path);
  QTest::mouseClick(button, Qt::LeftButton);
  QApplication::processEvents();
}

void TableWindowSteps::Type(int row, int column, const QString& keys) {
  Select(row, column);
  for (const QChar key : keys) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : Grid();
    QTest::keyClick(target, key.toLatin1());
  }
  QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : Grid();
  QTest::keyClick(target, Qt::Key_Return);
  QApplication::processEvents();
}

void TableWindowSteps::Click(const char* name) {
  QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
  QApplication::processEvents();
}

}  // namespace dorvex::gui::testing
