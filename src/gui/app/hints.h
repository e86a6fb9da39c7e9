#pragma once
// Hints in the program's form "short|long": the short part is the tooltip, the
// long part goes to the status bar.

#include <QString>

class QAction;
class QObject;
class QWidget;

namespace dorvex::gui {

// The text before "|" (the whole hint when it has none).
QString ShortHint(const QString& hint);
// The text after "|" (the whole hint when it has none).
QString LongHint(const QString& hint);
// Sets tooltip and status tip of a widget or an action and keeps the whole hint.
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);
// The whole hint last set with SetHint; empty when none.
QString HintOf(const QObject* object);

}  // namespace dorvex::gui
