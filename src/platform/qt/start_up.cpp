#include "platform/qt/start_up.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>

#include "chooser/chooser.h"
#include "platform/qt/folder_dialog_qt.h"

// Q_INIT_RESOURCE must name the resource from outside any namespace.
static void InitIcons() { Q_INIT_RESOURCE(icons); }

namespace sweep {

namespace {

QIcon ProgramIcon() {
  // The icons are compiled into a static library, whose resources are registered by hand.
  InitIcons();
  QIcon icon;
  for (int size : {16, 32, 48, 64})
    icon.addFile(QStringLiteral(":/icons/foldersweep-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace

Program::Program(std::unique_ptr<platform::FolderDialog> dialog, AddressOpener opener)
    : dialog_(std::move(dialog)), opener_(std::move(opener)), view_(std::make_unique<MainView>(window_)) {
  view_->setWindowIcon(ProgramIcon());
  QObject::connect(view_.get(), &MainView::chooseFolderClicked, view_.get(),
                   [this] { ChooseFolder(window_, *dialog_); });
  QObject::connect(view_.get(), &MainView::startClicked, view_.get(), [this] { runs_.Start(); });
  QObject::connect(view_.get(), &MainView::closing, view_.get(), [this] { Close(); });
}

Program::~Program() { Close(); }

void Program::Show() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  view_->move(screen.x() + (screen.width() - kOuterWidth) / 2,
              screen.y() + (screen.height() - kOuterHeight) / 2);
  view_->show();
  view_->activateWindow();
  view_->Widget(Control::输入_清理目录)->setFocus();
}

void Program::Close() {
  if (closed_) return;
  closed_ = true;
  // A run stops first, so that no file is deleted while the addresses are being opened;
  // the window goes only once the run has ended.
  runs_.Stop();
  OnMainWindowClosing(opener_);
  runs_.StopAndWait();
}

void OpenInBrowser(const Text& address) {
  QDesktopServices::openUrl(QUrl(QString::fromUtf8(address.c_str())));
}

int RunProgram(int argc, char** argv) {
  QApplication app(argc, argv);
  // The window is laid out in pixels for the classic desktop look: group box captions on
  // the frame line, flat controls.
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) app.setStyle(classic);
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  {
    Program program(std::make_unique<QtFolderDialog>(), OpenInBrowser);
    // The end of the desktop session quits the application without closing the window.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&program] { program.Close(); });
    program.Show();
    app.exec();
  }
  ExitStep();
  return 0;
}

}  // namespace sweep
