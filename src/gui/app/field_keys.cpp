#include "app/field_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace dorvex::gui {

bool FilterFieldKey(QLineEdit* field, const QKeyEvent* key,
                    const std::function<workbench::FieldKey(char32_t)>& filter, SoundService& sound) {
  // Short-cuts, editing and moving keys carry no character of a number.
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  const workbench::FieldKey filtered = filter(text.at(0).unicode());
  switch (filtered.action) {
    case workbench::KeyAction::Pass: return false;
    case workbench::KeyAction::Replace: field->insert(QString(QLatin1Char(filtered.replacement))); return true;
    case workbench::KeyAction::Refuse: sound.Beep(); return true;
  }
  return true;
}

}  // namespace dorvex::gui
