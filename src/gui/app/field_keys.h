#pragma once
// A key press in a number field put through the field's key filter.

#include <functional>

#include "app/platform_services.h"
#include "workbench/number_field.h"

class QKeyEvent;
class QLineEdit;

namespace dorvex::gui {

// True when the press is used up: a replacement character inserted, or the
// character refused with a beep. False lets the field take it as typed (also keys
// that carry no character, and short-cuts).
bool FilterFieldKey(QLineEdit* field, const QKeyEvent* key,
                    const std::function<workbench::FieldKey(char32_t)>& filter, SoundService& sound);

}  // namespace dorvex::gui
