#include "charts/chart_tool_bar.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace dorvex::gui {

namespace {

// How far one press of a move button shifts the view, in pixels of the plot.
constexpr qreal kMoveStep = 40.0;
constexpr int kMarginFromCorner = 5;

QToolButton* Button(QWidget* bar, const char* name, const QString& tip, QStyle::StandardPixmap icon,
                    const QString& text) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(tip);
  button->setAutoRaise(true);
  if (icon != QStyle::SP_CustomBase) {
    button->setIcon(bar->style()->standardIcon(icon));
  } else {
    button->setText(text);
  }
  bar->layout()->addWidget(button);
  return button;
}

}  // namespace

ChartToolBar::ChartToolBar(const char* name, QChartView* view) : QWidget(view) {
  setObjectName(QString::fromLatin1(name));
  setAutoFillBackground(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(1);
  // The buttons ask the view for its chart each time: it is the one shown.
  connect(Button(this, "ChartZoomIn", tr("Zoom in"), QStyle::SP_CustomBase, QStringLiteral("+")),
          &QToolButton::clicked, this, [view] { view->chart()->zoomIn(); });
  connect(Button(this, "ChartZoomOut", tr("Zoom out"), QStyle::SP_CustomBase, QStringLiteral("\u2212")),
          &QToolButton::clicked, this, [view] { view->chart()->zoomOut(); });
  connect(Button(this, "ChartMoveLeft", tr("Move left"), QStyle::SP_ArrowLeft, {}), &QToolButton::clicked, this,
          [view] { view->chart()->scroll(-kMoveStep, 0); });
  connect(Button(this, "ChartMoveRight", tr("Move right"), QStyle::SP_ArrowRight, {}), &QToolButton::clicked,
          this, [view] { view->chart()->scroll(kMoveStep, 0); });
  connect(Button(this, "ChartWhole", tr("Whole chart"), QStyle::SP_BrowserReload, {}), &QToolButton::clicked,
          this, [view] { view->chart()->zoomReset(); });
  adjustSize();
  hide();
}

void ChartToolBar::Place(bool shown) {
  auto* view = parentWidget();
  adjustSize();
  move(view->width() - width() - kMarginFromCorner, kMarginFromCorner);
  setVisible(shown);
  if (shown) raise();
}

}  // namespace dorvex::gui
