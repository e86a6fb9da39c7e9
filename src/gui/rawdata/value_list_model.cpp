#include "rawdata/value_list_model.h"

#include <QFontDatabase>

#include "app/qt_text.h"
#include "rawdata/raw_sample.h"

namespace dorvex::gui {

void ValueListModel::Show(const std::vector<double>* values) {
  beginResetModel();
  values_ = values;
  endResetModel();
}

int ValueListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || values_ == nullptr) return 0;
  return static_cast<int>(values_->size());
}

QVariant ValueListModel::data(const QModelIndex& index, int role) const {
  if (values_ == nullptr || !index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::FontRole) return QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (role != Qt::DisplayRole) return {};
  const auto row = static_cast<std::size_t>(index.row());
  return ToQt(rawdata::ValueListLine((*values_)[row], row + 1));
}

}  // namespace dorvex::gui
