#include "app/splash_window.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "app/qt_text.h"
#include "texts/splash_texts.h"

namespace dorvex::gui {

namespace {

// The first picture: a histogram with a bell over it.
QPixmap HistogramPicture() {
  QPixmap picture(180, 130);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const int heights[] = {8, 18, 36, 62, 90, 104, 96, 70, 44, 24, 12, 5};
  const int barWidth = 13;
  for (int i = 0; i < 12; ++i) {
    const QRect bar(12 + i * barWidth, 118 - heights[i], barWidth - 1, heights[i]);
    painter.fillRect(bar, QColor(255, 255, 0));
    painter.setPen(QColor(150, 150, 0));
    painter.drawRect(bar);
  }
  painter.setPen(QPen(QColor(0, 0, 200), 2));
  QPainterPath bell;
  for (int x = 0; x <= 156; ++x) {
    const double t = (x - 72.0) / 30.0;
    const double y = 118 - 108 * std::exp(-t * t / 2.0);
    if (x == 0) bell.moveTo(12 + x, y);
    else bell.lineTo(12 + x, y);
  }
  painter.drawPath(bell);
  painter.setPen(Qt::black);
  painter.drawLine(8, 119, 172, 119);
  return picture;
}

// The second picture: two histograms combined into a third.
QPixmap OperationPicture() {
  QPixmap picture(160, 44);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setBold(true);
  font.setPointSize(14);
  painter.setFont(font);
  const auto smallHistogram = [&](int left, const QColor& colour) {
    const int heights[] = {10, 24, 34, 20, 8};
    for (int i = 0; i < 5; ++i) {
      painter.fillRect(QRect(left + i * 7, 40 - heights[i], 6, heights[i]), colour);
    }
  };
  smallHistogram(0, QColor(255, 255, 0).darker(110));
  painter.setPen(QColor(0, 0, 160));
  painter.drawText(QRect(36, 8, 20, 30), Qt::AlignCenter, QStringLiteral("+"));
  smallHistogram(56, QColor(255, 255, 0).darker(110));
  painter.drawText(QRect(92, 8, 20, 30), Qt::AlignCenter, QStringLiteral("="));
  smallHistogram(114, QColor(166, 202, 240));
  return picture;
}

QLabel* CentredLabel(const std::string& text, int pointSize, bool bold, QWidget* parent) {
  auto* label = new QLabel(ToQt(text), parent);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  if (pointSize > 0) font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Form17"));
  setWindowTitle(QString::fromUtf8(texts::kApplicationTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setFixedSize(560, 300);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setPixmap(HistogramPicture());
  picture->setGeometry(30, 60, 180, 130);

  // Six text lines centred over the span 246 .. 532.
  auto* textColumn = new QWidget(this);
  textColumn->setGeometry(246, 20, 286, 200);
  auto* lines = new QVBoxLayout(textColumn);
  lines->setContentsMargins(0, 0, 0, 0);
  const auto splashLines = texts::SplashLines();
  // The program's name stands large over the other lines.
  lines->addWidget(CentredLabel(splashLines[0], 26, true, textColumn));
  for (std::size_t i = 1; i < splashLines.size(); ++i) {
    lines->addWidget(CentredLabel(splashLines[i], 0, false, textColumn));
  }

  auto* second = new QLabel(this);
  second->setObjectName(QStringLiteral("Image2"));
  second->setPixmap(OperationPicture());
  second->setGeometry(373, 232, 160, 44);

  closeTimer_ = new QTimer(this);
  closeTimer_->setObjectName(QStringLiteral("Timer1"));
  closeTimer_->setSingleShot(true);
  connect(closeTimer_, &QTimer::timeout, this, &QWidget::close);
  closeTimer_->start(kShowMilliseconds);
}

void SplashWindow::mousePressEvent(QMouseEvent*) { close(); }

}  // namespace dorvex::gui
