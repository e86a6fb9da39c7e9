#include "analysis/read_trace_window.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "app/tool_window.h"
#include "texts/window_titles.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"TabVstupu-Form4", ".Width", ".Height", 220, 330};

}  // namespace

ReadTraceWindow::ReadTraceWindow(settings::SettingsFile* settings, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form4"));
  traceGrid_ = MakeStringGrid("StringGrid1", 1, 2, this);
  SetGridColumnWidths(traceGrid_, {80, 110});
  traceGrid_->setMinimumHeight(0);
  traceGrid_->setMaximumHeight(QWIDGETSIZE_MAX);
  traceGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(traceGrid_, 1);
  auto* placement = new ToolWindowPlacement(this, settings, kPlacement);
  placement->CloseOnClick(traceGrid_->viewport());
}

void ReadTraceWindow::SetLanguage(texts::Language language) {
  if (const auto title = texts::WindowTitle(texts::kReadTraceWindow, language)) setWindowTitle(ToQt(*title));
}

void ReadTraceWindow::ShowControlListing(const std::vector<model::ControlListingRow>& rows, const QColor& background,
                                         const QColor& font) {
  if (background.isValid()) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
  }
  traceGrid_->clearContents();
  traceGrid_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < traceGrid_->rowCount(); ++row) {
    const auto& listed = rows[static_cast<std::size_t>(row)];
    SetCell(traceGrid_, row, 0, ToQt(listed.index));
    SetCell(traceGrid_, row, 1, ToQt(listed.frequency));
    if (font.isValid()) {
      traceGrid_->item(row, 0)->setForeground(font);
      traceGrid_->item(row, 1)->setForeground(font);
    }
  }
  show();
  raise();
  activateWindow();
}

}  // namespace dorvex::gui
