// The result list as Qt sees it: a virtual table over the rows that MainWindow holds,
// so a list of a million rows costs no more to show than a list of ten.
#pragma once

#include <QAbstractTableModel>

// moc cannot read the control names; it needs nothing from the core.
#ifndef Q_MOC_RUN
#include "app/main_window.h"
#endif

namespace sweep {

QString ToQString(const Text& text);

class RowModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit RowModel(const MainWindow& window, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Shows the rows added since the last call in one insertion, and repaints changed cells.
  void Refresh(const WindowChanges& changes);

 private:
  const MainWindow& window_;
  int shownRows_ = 0;
};

}  // namespace sweep
