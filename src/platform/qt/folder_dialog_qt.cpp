#include "platform/qt/folder_dialog_qt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

#include "platform/qt/row_model.h"

namespace sweep {

namespace {

Text FromQPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString ToQPath(const Text& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

class DialogWindow : public platform::FolderDialogWindow {
 public:
  DialogWindow(QFileDialog& dialog, QLabel& status) : dialog_(dialog), status_(status) {}

  void SetSelection(const Text& path) override {
    if (!path.empty()) dialog_.setDirectory(ToQPath(path));
  }
  void SetStatusText(const Text& text) override { status_.setText(ToQPath(text)); }

 private:
  QFileDialog& dialog_;
  QLabel& status_;
};

}  // namespace

Text QtFolderDialog::Browse(const platform::BrowseParameters& parameters) {
  QFileDialog dialog(nullptr, ToQString(parameters.title), QDir::rootPath());
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  auto* status = new QLabel(&dialog);
  status->setTextFormat(Qt::PlainText);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
  DialogWindow window(dialog, *status);

  if (parameters.callback) {
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog, [&](const QString& path) {
      const Text selected = FromQPath(path);
      parameters.callback(window, platform::BrowseMessage::SelectionChanged,
                          path.isEmpty() ? nullptr : &selected, parameters.data);
    });
    parameters.callback(window, platform::BrowseMessage::Initialized, nullptr, parameters.data);
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? Text() : FromQPath(chosen.first());
}

}  // namespace sweep
