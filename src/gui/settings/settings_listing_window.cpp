#include "settings/settings_listing_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/tool_window.h"
#include "settings/settings_listing.h"
#include "texts/settings_texts.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"TabVypisIni-Form6", ".Width", ".Height", 500, 389};

}  // namespace

SettingsListingWindow::SettingsListingWindow(settings::SettingsFile* settings, texts::Language language,
                                             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), language_(language) {
  setObjectName(QStringLiteral("TForm6"));
  keyValues = new QTableWidget(0, 2, this);
  keyValues->setObjectName(QStringLiteral("ValueListEditor1"));
  keyValues->verticalHeader()->hide();
  keyValues->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  keyValues->verticalHeader()->setDefaultSectionSize(keyValues->fontMetrics().height() + 4);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(keyValues, 1);
  new ToolWindowPlacement(this, settings, kPlacement);
  ApplyTexts();
}

void SettingsListingWindow::ApplyTexts() {
  setWindowTitle(ToQt(texts::SettingsListingTitle(language_)));
  const auto headings = texts::SettingsListingHeadings(language_);
  keyValues->setHorizontalHeaderLabels({ToQt(headings[0]), ToQt(headings[1])});
}

void SettingsListingWindow::SetLanguage(texts::Language language) {
  language_ = language;
  ApplyTexts();
}

bool SettingsListingWindow::ListFile(const QString& path) {
  const auto rows = settings::ReadSettingsListing(ToStd(path));
  if (!rows) return false;
  keyValues->clearContents();
  keyValues->setRowCount(static_cast<int>(rows->size()));
  for (int r = 0; r < static_cast<int>(rows->size()); ++r) {
    keyValues->setItem(r, 0, new QTableWidgetItem(ToQt((*rows)[static_cast<std::size_t>(r)].first)));
    keyValues->setItem(r, 1, new QTableWidgetItem(ToQt((*rows)[static_cast<std::size_t>(r)].second)));
  }
  // Long values (paths) scroll sideways instead of being cut.
  keyValues->resizeColumnsToContents();
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace dorvex::gui
