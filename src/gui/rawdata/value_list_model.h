#pragma once
// The lines of the raw-data window's value list, made when the list shows them.

#include <QAbstractListModel>
#include <vector>

namespace dorvex::gui {

class ValueListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Lists `values` (kept by the caller while listed); null lists nothing.
  void Show(const std::vector<double>* values);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  const std::vector<double>* values_ = nullptr;
};

}  // namespace dorvex::gui
