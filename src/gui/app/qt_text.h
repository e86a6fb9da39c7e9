#pragma once
// The one place where the core's UTF-8 texts meet Qt's strings; every window uses these.

#include <QString>

#include <string>

#include "texts/language.h"
#include "texts/messages.h"

namespace dorvex::gui {

inline QString ToQt(const std::string& text) { return QString::fromStdString(text); }
inline std::string ToStd(const QString& text) { return text.toStdString(); }

// Message n of the message table in `language`.
inline QString Message(int n, texts::Language language) { return ToQt(texts::MessageText(n, language)); }

}  // namespace dorvex::gui
