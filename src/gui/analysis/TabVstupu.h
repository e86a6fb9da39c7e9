#pragma once
// The control listing of a distribution file while it is read: index and frequency.

#include <QColor>
#include <QWidget>
#include <vector>

#include "model/distribution_file_reader.h"

class QTableWidget;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class TForm4 : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (which outlives it).
  explicit TForm4(settings::SettingsFile* settings, QWidget* parent = nullptr);

  // Shows `rows` (as the reader left them, also after a failed read) in the grid,
  // on `background` with `font` as the grid's text colour (invalid colours keep
  // the defaults).
  void ShowControlListing(const std::vector<model::ControlListingRow>& rows, const QColor& background = QColor(),
                          const QColor& font = QColor());

  QTableWidget* StringGrid1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  settings::SettingsFile* settings_;
};

}  // namespace dorvex::gui
