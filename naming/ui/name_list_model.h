// The model of the high-score list: GBK names, converted for display only when a
// row is drawn, so that hundreds of thousands of names append cheaply.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

#include "app/core/gbk.h"

namespace mirevo {

class NameListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Appends the names at the end, in one insertion.
  void Append(std::vector<Gbk> names);
  void Clear();

  const Gbk& NameAt(int row) const { return names_[static_cast<std::size_t>(row)]; }
  int size() const { return static_cast<int>(names_.size()); }
  // Every name, in list order.
  QStringList Lines() const;

 private:
  std::vector<Gbk> names_;
};

}  // namespace mirevo
