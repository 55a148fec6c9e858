// The Qt window: builds every control from the control table, shows the MainWindow model
// and writes the user's clicks back into it.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

// moc cannot read the control names; it needs nothing from the core.
#ifndef Q_MOC_RUN
#include "app/main_window.h"
#endif

namespace sweep {

class RowModel;

class MainView : public QWidget {
  Q_OBJECT

 public:
  explicit MainView(MainWindow& window, QWidget* parent = nullptr);
  ~MainView() override;

  QWidget* Widget(Control control) const { return widgets_[Index(control)]; }

  // Shows every change the model holds now (the view also does this by itself, shortly
  // after each change).
  void Refresh();

 signals:
  void chooseFolderClicked();
  void startClicked();
  // The close query: emitted once the window is about to close, before it goes.
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* Build(const ControlDef& def, QWidget* parent);
  void Show(Control control);
  void OnModelChanged();

  MainWindow& window_;
  std::array<QWidget*, kControlCount> widgets_{};
  RowModel* rows_ = nullptr;
  QTimer refreshTimer_;
};

}  // namespace sweep
