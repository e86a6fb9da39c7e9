#include "analysis/verification_window.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>

#include "app/qt_text.h"
#include "texts/verification_texts.h"

namespace dorvex::gui {

namespace {

QString Scientific(double x, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*E", digits, x);
  return QString::fromLatin1(text);
}

}  // namespace

VerificationWindow::VerificationWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("VerificationWindow"));
  casesGrid_ = new QTableWidget(0, 7, this);
  casesGrid_->setObjectName(QStringLiteral("VerificationGrid"));
  casesGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  casesGrid_->verticalHeader()->hide();
  summaryLabel_ = new QLabel(this);
  summaryLabel_->setObjectName(QStringLiteral("VerificationSummary"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(casesGrid_, 1);
  layout->addWidget(summaryLabel_);
  resize(900, 330);
  SetLanguage(language_);
}

void VerificationWindow::SetLanguage(texts::Language language) {
  language_ = language;
  setWindowTitle(ToQt(texts::VerificationWindowTitle(language)));
  QStringList headings;
  for (const std::string& heading : texts::VerificationHeadings(language)) headings << ToQt(heading);
  casesGrid_->setHorizontalHeaderLabels(headings);
  Fill();
}

void VerificationWindow::RunAndShow() {
  if (outcomes_.empty()) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    outcomes_ = analysis::RunVerification();
    QApplication::restoreOverrideCursor();
  }
  Fill();
  show();
  raise();
  activateWindow();
}

void VerificationWindow::Fill() {
  casesGrid_->setRowCount(static_cast<int>(outcomes_.size()));
  bool allInside = true;
  for (int row = 0; row < casesGrid_->rowCount(); ++row) {
    const analysis::VerificationOutcome& o = outcomes_[static_cast<std::size_t>(row)];
    allInside = allInside && o.Inside();
    const QStringList cells{ToQt(o.name),
                            Scientific(o.exact, 4),
                            o.failure.empty() ? Scientific(o.value, 4) : ToQt(o.failure),
                            o.bounded ? Scientific(o.lower, 4) : QString(),
                            o.bounded ? Scientific(o.upper, 4) : QString(),
                            o.failure.empty() ? Scientific(o.relativeError, 2) : QString(),
                            ToQt(texts::VerificationVerdict(o.Inside(), language_))};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells.at(column));
      item->setToolTip(ToQt(o.source));
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      casesGrid_->setItem(row, column, item);
    }
  }
  casesGrid_->resizeColumnsToContents();
  // Wide enough for every column, verdict included.
  int needed = 2 * casesGrid_->frameWidth() + casesGrid_->verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < casesGrid_->columnCount(); ++column) needed += casesGrid_->columnWidth(column);
  casesGrid_->setMinimumWidth(needed);
  summaryLabel_->setText(outcomes_.empty() ? QString() : ToQt(texts::VerificationSummary(allInside, language_)));
}

}  // namespace dorvex::gui
