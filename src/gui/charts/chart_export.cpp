#include "charts/chart_export.h"

#include <QApplication>
#include <QBuffer>
#include <QChartView>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace dorvex::gui {

namespace {

// Renders the view into an SVG document on `device`.
bool WriteSvg(QChartView* view, QIODevice* device) {
  QSvgGenerator svg;
  svg.setOutputDevice(device);
  svg.setSize(view->size());
  svg.setViewBox(QRect(QPoint(0, 0), view->size()));
  svg.setTitle(QStringLiteral("Dorvex"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  view->render(&painter);
  return painter.end();
}

}  // namespace

QImage ChartImage(QChartView* view) { return view->grab().toImage(); }

void CopyChartToClipboard(QChartView* view) {
  auto* data = new QMimeData();
  data->setImageData(ChartImage(view));
  QBuffer svg;
  svg.open(QIODevice::WriteOnly);
  if (WriteSvg(view, &svg)) data->setData(QStringLiteral("image/svg+xml"), svg.data());
  QApplication::clipboard()->setMimeData(data);
}

bool SaveChartPicture(QChartView* view, const QString& path, analysis::PictureFormat format) {
  using analysis::PictureFormat;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  bool written = false;
  switch (format) {
    case PictureFormat::Bmp: written = ChartImage(view).save(&file, "BMP"); break;
    case PictureFormat::Png: written = ChartImage(view).save(&file, "PNG"); break;
    case PictureFormat::Jpeg:
      // JPEG has no alpha; the chart's white shows where the image is transparent.
      written = ChartImage(view).convertToFormat(QImage::Format_RGB32).save(&file, "JPG", kJpegQuality);
      break;
    case PictureFormat::Svg: written = WriteSvg(view, &file); break;
  }
  if (!written) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void CopyWindowToClipboard(QWidget* window) { QApplication::clipboard()->setImage(window->window()->grab().toImage()); }

}  // namespace dorvex::gui
