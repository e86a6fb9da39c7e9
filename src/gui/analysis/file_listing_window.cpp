#include "analysis/file_listing_window.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "app/color_ref.h"
#include "app/qt_text.h"
#include "app/tool_window.h"
#include "analysis/listing_rows.h"
#include "texts/window_titles.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"VypisHist-Form15", ".width", ".height", 400, 600};

}  // namespace

FileListingWindow::FileListingWindow(settings::SettingsFile* settings, texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), language_(language) {
  setObjectName(QStringLiteral("Form15"));
  fileLines_ = new QListWidget(this);
  fileLines_->setObjectName(QStringLiteral("ListBox1"));
  fileLines_->setSelectionMode(QAbstractItemView::NoSelection);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileLines_, 1);
  auto* placement = new ToolWindowPlacement(this, settings, kPlacement);
  placement->CloseOnClick(fileLines_->viewport());
  SetLanguage(language);
}

void FileListingWindow::SetLanguage(texts::Language language) {
  language_ = language;
  if (isVisible()) {
    setWindowTitle(ToQt(analysis::FileListingTitle(ToStd(slotName_), language_)));
  } else if (const auto title = texts::WindowTitle(texts::kFileListingWindow, language_)) {
    setWindowTitle(ToQt(*title));
  }
}

void FileListingWindow::ListInputFile(const QString& path, const QString& slotName) {
  if (path.isEmpty()) return;
  fileLines_->clear();
  slotName_ = slotName;
  setWindowTitle(ToQt(analysis::FileListingTitle(ToStd(slotName_), language_)));
  for (const analysis::FileListingLine& line : analysis::ReadFileListing(ToStd(path))) {
    auto* item = new QListWidgetItem(ToQt(line.text), fileLines_);
    item->setForeground(FromColorRef(line.colour));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace dorvex::gui
