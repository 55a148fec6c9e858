#include "platform/qt/row_model.h"

#include <algorithm>

namespace sweep {

QString ToQString(const Text& text) {
  // The Linux program's texts are UTF-8; a name that is not valid UTF-8 shows with
  // replacement characters, and the file itself is still deleted by its own bytes.
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

RowModel::RowModel(const MainWindow& window, QObject* parent)
    : QAbstractTableModel(parent), window_(window) {}

int RowModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

int RowModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant RowModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return ToQString(window_.GetCell(Control::结果_文件列表, index.row(), index.column()));
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section < 0 || section >= kColumnCount) return {};
  return QString::fromUtf8(ColumnTable()[section].title);
}

Qt::ItemFlags RowModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void RowModel::Refresh(const WindowChanges& changes) {
  const int oldShown = shownRows_;
  if (changes.rowCount > shownRows_) {
    beginInsertRows(QModelIndex(), shownRows_, changes.rowCount - 1);
    shownRows_ = changes.rowCount;
    endInsertRows();
  }
  if (changes.firstChangedRow >= 0 && changes.firstChangedRow < oldShown) {
    const int last = std::min(changes.lastChangedRow, oldShown - 1);
    emit dataChanged(index(changes.firstChangedRow, 0), index(last, kColumnCount - 1),
                     {Qt::DisplayRole});
  }
}

}  // namespace sweep
