#include "charts/chart_tool_bar.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

#include "app/hints.h"
#include "app/qt_text.h"
#include "texts/chart_tool_bar_texts.h"

namespace dorvex::gui {

namespace {

// How far one press of a move button shifts the view, in pixels of the plot.
constexpr qreal kMoveStep = 40.0;
constexpr int kMarginFromCorner = 5;

QToolButton* Button(QWidget* bar, const char* name, QStyle::StandardPixmap icon, const QString& text) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromLatin1(name));
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
  connect(Button(this, "ChartZoomIn", QStyle::SP_CustomBase, QStringLiteral("+")),
          &QToolButton::clicked, this, [view] { view->chart()->zoomIn(); });
  connect(Button(this, "ChartZoomOut", QStyle::SP_CustomBase, QStringLiteral("\u2212")),
          &QToolButton::clicked, this, [view] { view->chart()->zoomOut(); });
  connect(Button(this, "ChartMoveLeft", QStyle::SP_ArrowLeft, {}), &QToolButton::clicked, this,
          [view] { view->chart()->scroll(-kMoveStep, 0); });
  connect(Button(this, "ChartMoveRight", QStyle::SP_ArrowRight, {}), &QToolButton::clicked,
          this, [view] { view->chart()->scroll(kMoveStep, 0); });
  connect(Button(this, "ChartWhole", QStyle::SP_BrowserReload, {}), &QToolButton::clicked,
          this, [view] { view->chart()->zoomReset(); });
  SetLanguage(texts::Language::English);
  adjustSize();
  hide();
}

void ChartToolBar::SetLanguage(texts::Language language) {
  for (QToolButton* button : findChildren<QToolButton*>()) {
    SetHint(button, ToQt(texts::ChartToolBarHint(ToStd(button->objectName()), language)));
  }
}

void ChartToolBar::Place(bool shown) {
  auto* view = parentWidget();
  adjustSize();
  move(view->width() - width() - kMarginFromCorner, kMarginFromCorner);
  setVisible(shown);
  if (shown) raise();
}

}  // namespace dorvex::gui
