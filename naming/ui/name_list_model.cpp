#include "naming/ui/name_list_model.h"

#include "app/ui/qtgbk.h"

namespace mirevo {

int NameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= size()) return {};
  return ToQString(NameAt(index.row()));
}

void NameListModel::Append(std::vector<Gbk> names) {
  if (names.empty()) return;
  const int first = size();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(names.size()) - 1);
  if (names_.empty()) {
    names_ = std::move(names);
  } else {
    names_.insert(names_.end(), std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()));
  }
  endInsertRows();
}

void NameListModel::Clear() {
  if (names_.empty()) return;
  beginResetModel();
  names_.clear();
  names_.shrink_to_fit();
  endResetModel();
}

QStringList NameListModel::Lines() const {
  // One conversion for the whole list: the names joined, converted, split again.
  Gbk joined;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (i) joined += Gbk::Ascii("\n");
    joined += names_[i];
  }
  if (names_.empty()) return {};
  return ToQString(joined).split(QLatin1Char('\n'));
}

}  // namespace mirevo
