#pragma once
// The steps a user takes on the summary and combination windows of a main window
// under test: open the window from a type selector, pick cells, open a row's file,
// type into cells, press the buttons.

#include <QString>

#include "main_window_harness.h"

class QComboBox;
class QTableWidget;
class QWidget;

namespace dorvex::gui::testing {

// The designed names of one table window's controls.
struct TableWindowNames {
  const char* window;
  const char* grid;
  const char* openTable;
  const char* saveTable;
  const char* compute;
  const char* close;
  const char* openHistogram;
  const char* rowGraph;
  int selectorItem;  // of CBTypHistA / CBTypHistB
};

inline constexpr TableWindowNames kSummaryNames{"TForm11",      "StrGrSumaProm", "OtevriSum",
                                                "SaveSuma",     "VypocetSuma",   "ExitForm7",
                                                "OtevHistSuma", "GrafHistSuma",  2};
inline constexpr TableWindowNames kCombinationNames{"TForm10",      "StrGrKombProm", "OtevriKomb",
                                                    "SaveKomb",     "VypocetKomb",   "ExitForm",
                                                    "OtevHistKomb", "GrafHistKomb",  1};

// Opens the list's pop-up and clicks its item, as a user chooses from a list.
void ChooseFromList(QComboBox* list, int item);

// An example histogram of the bundled examples, by its folder and file name.
QString ExampleFile(const char* folder, const char* file);

class TableWindowSteps {
 public:
  TableWindowSteps(MainWindowHarness& harness, const TableWindowNames& names) : h_(harness), names_(names) {}

  QWidget* Window() const;
  QWidget* GraphWindow() const;
  QTableWidget* Grid() const;
  // A control of the table window.
  template <class T>
  T* Find(const char* name) const {
    T* control = Window()->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }
  QString Cell(int row, int column) const;

  // Chooses the window's item in the slot's type selector with the keyboard and
  // waits until the window is active.
  void OpenFrom(model::SlotId slot);
  // Makes the table window the active one again (the graph window closes).
  void Activate();
  // Clicks the cell.
  void Select(int row, int column);
  // Clicks column 2 of the row and its open button; the dialog answers `path`.
  void OpenRow(int row, const QString& path);
  // Clicks the cell and types `keys` into it, then Enter.
  void Type(int row, int column, const QString& keys);
  // Clicks a button of the window.
  void Click(const char* name);
  // Clicks the window's close button.
  void Close() { Click(names_.close); }

 private:
  MainWindowHarness& h_;
  TableWindowNames names_;
};

}  // namespace dorvex::gui::testing
