#pragma once
// The control listing of a distribution file while it is read: index and frequency
// of every value read, so a user sees how far a refused file got.

#include <QColor>
#include <QWidget>
#include <vector>

#include "model/distribution_file_reader.h"
#include "texts/language.h"

class QTableWidget;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class ReadTraceWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (which outlives it).
  explicit ReadTraceWindow(settings::SettingsFile* settings, QWidget* parent = nullptr);

  // The title in `language`; the English one leaves it as it is.
  void SetLanguage(texts::Language language);

  // Shows `rows` (as the reader left them, also after a failed read) in the grid,
  // on `background` with `font` as the grid's text colour (invalid colours keep
  // the defaults).
  void ShowControlListing(const std::vector<model::ControlListingRow>& rows, const QColor& background = QColor(),
                          const QColor& font = QColor());

 private:
  QTableWidget* traceGrid_ = nullptr;
};

}  // namespace dorvex::gui
