#include "app/hints.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace dorvex::gui {

namespace {

constexpr char kHintProperty[] = "dorvexHint";

}  // namespace

QString ShortHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* widget, const QString& hint) {
  widget->setProperty(kHintProperty, hint);
  widget->setToolTip(ShortHint(hint));
  widget->setStatusTip(LongHint(hint));
}

void SetHint(QAction* action, const QString& hint) {
  action->setProperty(kHintProperty, hint);
  action->setToolTip(ShortHint(hint));
  action->setStatusTip(LongHint(hint));
}

QString HintOf(const QObject* object) { return object->property(kHintProperty).toString(); }

}  // namespace dorvex::gui
