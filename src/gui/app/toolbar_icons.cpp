#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace dorvex::gui {

namespace {

using Painting = std::function<void(QPainter&)>;

QPixmap Canvas() {
  QPixmap pixmap(kToolIconSize, kToolIconSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap Drawn(const Painting& paint) {
  QPixmap pixmap = Canvas();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  return pixmap;
}

QPixmap Standard(const QStyle* style, QStyle::StandardPixmap which) {
  QPixmap pixmap = Canvas();
  QPainter painter(&pixmap);
  painter.drawPixmap(0, 0, style->standardIcon(which).pixmap(kToolIconSize, kToolIconSize));
  return pixmap;
}

// A small coloured badge with one or two letters in the lower right corner.
QPixmap Badged(QPixmap base, const QString& letters, const QColor& colour) {
  QPainter painter(&base);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setPixelSize(letters.size() > 1 ? 8 : 10);
  font.setBold(true);
  painter.setFont(font);
  const int width = letters.size() > 1 ? 14 : 11;
  const QRect badge(kToolIconSize - width, kToolIconSize - 11, width, 11);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRoundedRect(badge, 2, 2);
  painter.setPen(Qt::white);
  painter.drawText(badge, Qt::AlignCenter, letters);
  return base;
}

const QColor kBlue(0, 0, 160);
const QColor kRed(176, 0, 0);
const QColor kGreen(0, 120, 0);

void BarChart(QPainter& p) {
  const int heights[] = {5, 11, 16, 9, 4};
  for (int i = 0; i < 5; ++i) p.fillRect(QRect(2 + i * 3, 18 - heights[i], 3, heights[i]), QColor(230, 162, 100));
  p.setPen(Qt::black);
  p.drawLine(1, 18, 18, 18);
}

QPixmap SaveChart() {
  return Drawn([](QPainter& p) {
    BarChart(p);
    p.setPen(QPen(kGreen, 2));
    p.drawLine(15, 2, 15, 9);
    p.drawLine(12, 6, 15, 9);
    p.drawLine(18, 6, 15, 9);
  });
}

QPixmap DistributionCurve() {
  return Drawn([](QPainter& p) {
    p.setPen(Qt::black);
    p.drawLine(2, 18, 18, 18);
    p.drawLine(2, 2, 2, 18);
    QPainterPath curve;
    curve.moveTo(3, 17);
    curve.cubicTo(10, 17, 9, 3, 18, 3);
    p.setPen(QPen(kBlue, 2));
    p.drawPath(curve);
  });
}

QPixmap Characteristics() {
  return Drawn([](QPainter& p) {
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRect(0, 0, 20, 10), Qt::AlignCenter, QStringLiteral("x\u0304 \u03c3"));
    p.setPen(kRed);
    p.drawText(QRect(0, 10, 20, 10), Qt::AlignCenter, QStringLiteral("Char"));
  });
}

QPixmap Colours() {
  return Drawn([](QPainter& p) {
    p.fillRect(QRect(2, 2, 7, 7), QColor(255, 255, 0));
    p.fillRect(QRect(11, 2, 7, 7), QColor(166, 202, 240));
    p.fillRect(QRect(2, 11, 7, 7), QColor(255, 0, 0));
    p.fillRect(QRect(11, 11, 7, 7), QColor(0, 0, 255));
    p.setPen(Qt::black);
    for (const QRect& r : {QRect(2, 2, 7, 7), QRect(11, 2, 7, 7), QRect(2, 11, 7, 7), QRect(11, 11, 7, 7)}) p.drawRect(r);
  });
}

QPixmap PictureViewer() {
  return Drawn([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRect(1, 3, 18, 14));
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygon({QPoint(2, 16), QPoint(8, 8), QPoint(12, 13), QPoint(14, 11), QPoint(18, 16)}));
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPoint(14, 7), 2, 2);
  });
}

QPixmap Stack() {
  return Drawn([](QPainter& p) {
    p.setPen(Qt::black);
    for (int i = 0; i < 4; ++i) {
      p.setBrush(i % 2 ? QColor(255, 255, 200) : QColor(255, 255, 0));
      p.drawRect(QRect(3, 3 + i * 4, 14, 3));
    }
    p.setPen(QPen(kRed, 2));
    p.drawLine(2, 2, 18, 18);
    p.drawLine(18, 2, 2, 18);
  });
}

QPixmap Exit() {
  return Drawn([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(160, 110, 60));
    p.drawRect(QRect(3, 2, 9, 16));
    p.setPen(QPen(kRed, 2));
    p.drawLine(9, 10, 18, 10);
    p.drawLine(15, 7, 18, 10);
    p.drawLine(15, 13, 18, 10);
  });
}

QPixmap CopyWindow() {
  return Drawn([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(QRect(1, 1, 13, 11));
    p.fillRect(QRect(2, 2, 12, 3), kBlue);
    p.setBrush(QColor(255, 255, 200));
    p.drawRect(QRect(7, 8, 11, 10));
  });
}

}  // namespace

QIcon ToolBarIcon(const QString& name, const QStyle* style) {
  QPixmap pixmap;
  if (name == QLatin1String("VstupA")) pixmap = Badged(Standard(style, QStyle::SP_DialogOpenButton), "A", kBlue);
  else if (name == QLatin1String("SBHistA")) pixmap = Badged(Standard(style, QStyle::SP_FileDialogListView), "A", kBlue);
  else if (name == QLatin1String("VstupB")) pixmap = Badged(Standard(style, QStyle::SP_DialogOpenButton), "B", kRed);
  else if (name == QLatin1String("SBHistB")) pixmap = Badged(Standard(style, QStyle::SP_FileDialogListView), "B", kRed);
  else if (name == QLatin1String("HistVysl")) pixmap = Badged(Standard(style, QStyle::SP_DialogSaveButton), "AB", kGreen);
  else if (name == QLatin1String("Vysledky")) pixmap = Badged(Standard(style, QStyle::SP_FileIcon), "R", kGreen);
  else if (name == QLatin1String("OtevriWord")) pixmap = Badged(Standard(style, QStyle::SP_FileIcon), "W", kBlue);
  else if (name == QLatin1String("UlozGraf")) pixmap = SaveChart();
  else if (name == QLatin1String("UlozOkno")) pixmap = CopyWindow();
  else if (name == QLatin1String("KrivkaTrvani")) pixmap = DistributionCurve();
  else if (name == QLatin1String("BChar")) pixmap = Characteristics();
  else if (name == QLatin1String("BitBtn13")) pixmap = Exit();
  else if (name == QLatin1String("PopisA")) pixmap = Badged(Standard(style, QStyle::SP_FileDialogContentsView), "A", kBlue);
  else if (name == QLatin1String("VypisHistA")) pixmap = Badged(Standard(style, QStyle::SP_FileDialogInfoView), "A", kBlue);
  else if (name == QLatin1String("PopisB")) pixmap = Badged(Standard(style, QStyle::SP_FileDialogContentsView), "B", kRed);
  else if (name == QLatin1String("VypisHistB")) pixmap = Badged(Standard(style, QStyle::SP_FileDialogInfoView), "B", kRed);
  else if (name == QLatin1String("PopisAB")) pixmap = Badged(Standard(style, QStyle::SP_FileDialogContentsView), "AB", kGreen);
  else if (name == QLatin1String("ZmenaBarev")) pixmap = Colours();
  else if (name == QLatin1String("Default")) pixmap = Standard(style, QStyle::SP_DialogResetButton);
  else if (name == QLatin1String("Zasobnik")) pixmap = Stack();
  else if (name == QLatin1String("VolejPicture")) pixmap = PictureViewer();
  else if (name == QLatin1String("BitBtn2")) pixmap = Badged(Standard(style, QStyle::SP_FileIcon), "T", kRed);
  else if (name == QLatin1String("BitBtn37")) pixmap = Badged(Standard(style, QStyle::SP_FileIcon), "pdf", kRed);
  else if (name == QLatin1String("OAdresach")) pixmap = Standard(style, QStyle::SP_DirIcon);
  else if (name == QLatin1String("Verze")) pixmap = Standard(style, QStyle::SP_MessageBoxInformation);
  else if (name == QLatin1String("Help")) pixmap = Standard(style, QStyle::SP_DialogHelpButton);
  else return QIcon();
  return QIcon(pixmap);
}

}  // namespace dorvex::gui
