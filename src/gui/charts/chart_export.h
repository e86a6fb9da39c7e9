#pragma once
// Pictures of a chart: on the clipboard and in BMP, PNG, JPEG and SVG files.

#include <QImage>
#include <QString>

#include "analysis/picture_files.h"

class QWidget;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

// JPEG quality of exported charts.
inline constexpr int kJpegQuality = 80;

// The chart as it is shown, as an image.
QImage ChartImage(QChartView* view);
// Puts the chart on the clipboard as an image and as SVG data.
void CopyChartToClipboard(QChartView* view);
// Writes the chart to `path` through a temporary file renamed over the target, so a
// failed write leaves an existing file as it was. False when the file could not be written.
bool SaveChartPicture(QChartView* view, const QString& path, analysis::PictureFormat format);
// Puts a picture of the widget's whole window, frame area included, on the clipboard.
void CopyWindowToClipboard(QWidget* window);

}  // namespace dorvex::gui
