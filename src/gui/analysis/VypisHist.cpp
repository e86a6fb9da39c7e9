#include "analysis/VypisHist.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QListWidget>
#include <QVBoxLayout>

#include "analysis/window_placement.h"
#include "app/color_ref.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"VypisHist-Form15", ".width", ".height", 400, 600};
constexpr int kCaptionMessage = 173;
// 0x00BBGGRR colour values of the two parts of the file.
constexpr unsigned kHeaderColour = 0x8000;
constexpr unsigned kFrequencyColour = 0xFF;
constexpr int kRuleLength = 115;

QString Numbered(int number, const QString& text) {
  return QStringLiteral("[%1]    %2").arg(number, 4).arg(text);
}

}  // namespace

std::vector<ListedFileLine> InputFileListing(const QStringList& lines) {
  std::vector<ListedFileLine> listed;
  bool inBins = false;
  int number = 1;
  for (const QString& line : lines) {
    if (!inBins) {
      listed.push_back({Numbered(number++, line), FromColorRef(kHeaderColour)});
      if (line.contains(QStringLiteral("[Bins]"))) {
        inBins = true;
        number = 0;
      }
    } else if (!line.isEmpty()) {
      listed.push_back({Numbered(number++, line), FromColorRef(kFrequencyColour)});
    }
  }
  listed.push_back({QString(kRuleLength, QLatin1Char('-')), QColor(Qt::black)});
  return listed;
}

TForm15::TForm15(settings::SettingsFile* settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), settings_(settings) {
  setObjectName(QStringLiteral("Form15"));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  ListBox1->viewport()->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBox1, 1);
  RestorePlacement(this, settings_, kPlacement);
}

void TForm15::ListInputFile(const QString& path, const QString& slotName) {
  if (path.isEmpty()) return;
  QStringList lines;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    // Files are UTF-8 with CR LF or LF line ends.
    for (QString line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
      if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
      lines << line;
    }
    // The text after the last line end is no line of its own.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  }
  ListBox1->clear();
  setWindowTitle(QString::fromStdString(texts::MessageText(kCaptionMessage, texts::CurrentLanguage())) + QStringLiteral(" :   ") + slotName +
                 QStringLiteral(".dis"));
  for (const ListedFileLine& listed : InputFileListing(lines)) {
    auto* item = new QListWidgetItem(listed.text, ListBox1);
    item->setForeground(listed.colour);
  }
  show();
  raise();
  activateWindow();
}

bool TForm15::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonPress) {
    close();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TForm15::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (LostActivation(this, event)) close();
}

void TForm15::closeEvent(QCloseEvent* event) {
  SavePlacement(this, settings_, kPlacement);
  QWidget::closeEvent(event);
}

}  // namespace dorvex::gui
