#pragma once
// Pictures of the main window's tool-bar buttons.

#include <QIcon>
#include <QString>

class QStyle;

namespace dorvex::gui {

// Side of a tool-bar picture in pixels.
inline constexpr int kToolIconSize = 20;

// The picture of the tool-bar button with this object name: a standard icon of the
// style, marked with the slot letter where A and B share an action, or a small
// drawing. An unknown name gives a null icon.
QIcon ToolBarIcon(const QString& buttonName, const QStyle* style);

}  // namespace dorvex::gui
