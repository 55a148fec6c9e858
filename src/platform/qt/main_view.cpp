#include "platform/qt/main_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>

#include "platform/qt/row_model.h"

namespace sweep {

namespace {

// Often enough to watch a run, seldom enough that a run of a million files is not slowed
// by painting.
constexpr int kRefreshMilliseconds = 30;

QString Caption(const ControlDef& def) { return QString::fromUtf8(def.caption); }

QTableView* BuildList(RowModel* rows, QWidget* parent) {
  auto* list = new QTableView(parent);
  list->setModel(rows);
  list->setShowGrid(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSortingEnabled(false);
  list->setWordWrap(false);
  list->setCornerButtonEnabled(false);
  list->verticalHeader()->hide();
  // Fixed row heights let the view place a million rows without measuring any of them.
  list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  const int rowHeight = list->fontMetrics().height() + 3;
  list->verticalHeader()->setMinimumSectionSize(rowHeight);
  list->verticalHeader()->setDefaultSectionSize(rowHeight);
  QHeaderView* header = list->horizontalHeader();
  header->setSectionsClickable(false);
  header->setSortIndicatorShown(false);
  header->setHighlightSections(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setStretchLastSection(false);
  for (int c = 0; c < kColumnCount; ++c) header->resizeSection(c, ColumnTable()[c].width);
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  // Selection hidden while the list has no focus.
  palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  list->setPalette(palette);
  return list;
}

}  // namespace

MainView::MainView(MainWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QString::fromUtf8(kWindowCaption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  // Every control is placed in pixels for a 12-pixel GUI font: the desktop's font at that
  // size, in a compact CJK face where one is installed so the captions fit their boxes.
  QFont guiFont = font();
  guiFont.setPixelSize(12);
  guiFont.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), guiFont.family()});
  setFont(guiFont);

  rows_ = new RowModel(window_, this);
  for (const ControlDef& def : ControlTable()) {
    QWidget* parentWidget = def.group ? Widget(*def.group) : this;
    QWidget* w = Build(def, parentWidget);
    w->setObjectName(QString::fromUtf8(def.name));
    w->setGeometry(def.left, def.top, def.width, def.height);
    widgets_[Index(def.id)] = w;
  }
  const auto order = TabOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i)
    setTabOrder(Widget(order[i]), Widget(order[i + 1]));

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  refreshTimer_.setSingleShot(true);
  refreshTimer_.setInterval(kRefreshMilliseconds);
  connect(&refreshTimer_, &QTimer::timeout, this, &MainView::Refresh);
  window_.SetChangeListener([this] {
    QMetaObject::invokeMethod(this, &MainView::OnModelChanged, Qt::QueuedConnection);
  });
  for (const ControlDef& def : ControlTable()) Show(def.id);
}

MainView::~MainView() { window_.SetChangeListener(nullptr); }

QWidget* MainView::Build(const ControlDef& def, QWidget* parent) {
  const Control id = def.id;
  switch (def.kind) {
    case ControlKind::GroupBox: {
      auto* box = new QGroupBox(Caption(def), parent);
      box->setAlignment(Qt::AlignLeft);
      return box;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(false);
      label->setAlignment((def.figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      if (def.figure) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(palette);
      }
      return label;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(parent);
      edit->setReadOnly(true);
      QPalette palette = edit->palette();
      palette.setColor(QPalette::Base, Qt::white);
      palette.setColor(QPalette::Text, Qt::black);
      edit->setPalette(palette);
      return edit;
    }
    case ControlKind::PushButton: {
      auto* button = new QPushButton(Caption(def), parent);
      button->setAutoDefault(false);  // Enter does nothing
      connect(button, &QPushButton::clicked, this,
              id == Control::结果_开始清理 ? &MainView::startClicked
                                             : &MainView::chooseFolderClicked);
      return button;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(Caption(def), parent);
      connect(box, &QCheckBox::toggled, this,
              [this, id](bool checked) { window_.SetChecked(id, checked); });
      return box;
    }
    case ControlKind::RadioButton: {
      // Qt's own exclusive radio groups take a single Tab stop per group, and every radio
      // button here is a Tab stop of its own; the model keeps each group exclusive.
      auto* radio = new QRadioButton(Caption(def), parent);
      radio->setAutoExclusive(false);
      connect(radio, &QRadioButton::clicked, this, [this, id] {
        window_.SetChecked(id, true);
        for (const ControlDef& other : ControlTable())
          if (other.kind == ControlKind::RadioButton && other.group == Definition(id).group)
            Show(other.id);
      });
      return radio;
    }
    case ControlKind::List:
      return BuildList(rows_, parent);
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setOrientation(Qt::Horizontal);
      bar->setTextVisible(false);
      return bar;
    }
  }
  return new QWidget(parent);
}

void MainView::Show(Control control) {
  QWidget* w = Widget(control);
  switch (Definition(control).kind) {
    case ControlKind::Label:
      static_cast<QLabel*>(w)->setText(ToQString(window_.ReadText(control)));
      break;
    case ControlKind::Edit:
      static_cast<QLineEdit*>(w)->setText(ToQString(window_.ReadText(control)));
      break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      static_cast<QAbstractButton*>(w)->setChecked(window_.IsChecked(control));
      break;
    case ControlKind::ProgressBar: {
      auto* bar = static_cast<QProgressBar*>(w);
      const int max = window_.ProgressMax(control);
      // A range of 0..0 is an empty bar here; QProgressBar would animate it as "busy".
      bar->setRange(0, std::max(max, 1));
      bar->setValue(std::min(window_.ProgressPosition(control), max));
      break;
    }
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::List:
      break;
  }
}

void MainView::OnModelChanged() {
  if (!refreshTimer_.isActive()) refreshTimer_.start();
}

void MainView::Refresh() {
  refreshTimer_.stop();
  WindowChanges changes;
  {
    // The controls are read at one moment, so the bar never lags the count it goes with.
    const auto lock = window_.Lock();
    changes = window_.TakeChanges();
    for (int i = 0; i < kControlCount; ++i)
      if (changes.controls.test(i)) Show(static_cast<Control>(i));
  }
  rows_->Refresh(changes);
}

void MainView::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

}  // namespace sweep
