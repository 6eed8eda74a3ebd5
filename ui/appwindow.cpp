#include "ui/appwindow.h"

#include <QActionEvent>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "ui/casedocument.h"
#include "ui/filemenu.h"
#include "ui/mainwindow.h"

namespace lamvero {

namespace {
// Room the window manager takes for the title bar and borders, which a
// window does not know before it is shown.
constexpr int kDecorationWidth = 16;
constexpr int kDecorationHeight = 48;

// Shows a menu in the menu bar only while it has entries.
class HiddenWhileEmpty : public QObject {
 public:
  explicit HiddenWhileEmpty(QMenu& menu) : QObject(&menu), menu_(menu) {
    menu.installEventFilter(this);
    menu.menuAction()->setVisible(!menu.actions().isEmpty());
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved) {
      int count = menu_.actions().size();
      auto* removed = static_cast<QActionEvent*>(event)->action();
      if (event->type() == QEvent::ActionRemoved && menu_.actions().contains(removed)) --count;
      menu_.menuAction()->setVisible(count > 0);
    }
    return false;
  }

 private:
  QMenu& menu_;
};

// The one local file a drag carries, or nothing.
QString DraggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
  return data->urls().front().toLocalFile();
}
}  // namespace

AppWindow::AppWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("app_Lamvero"));
  area_ = new MainWindow;
  setWindowTitle(area_->windowTitle());
  setWindowIcon(area_->windowIcon());

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scroll_Lamvero"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes through the area's controls only
  scroll_->setWidgetResizable(false);
  scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette white = scroll_->palette();
  white.setColor(QPalette::Window, Qt::white);
  scroll_->setPalette(white);
  scroll_->setAutoFillBackground(true);
  scroll_->setWidget(area_);
  setCentralWidget(scroll_);

  fileMenu_ = menuBar()->addMenu(QStringLiteral("&Datei"));
  fileMenu_->menuAction()->setObjectName(QStringLiteral("mnu_Datei"));
  editMenu_ = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  editMenu_->menuAction()->setObjectName(QStringLiteral("mnu_Bearbeiten"));
  helpMenu_ = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  helpMenu_->menuAction()->setObjectName(QStringLiteral("mnu_Hilfe"));
  new HiddenWhileEmpty(*editMenu_);
  new HiddenWhileEmpty(*helpMenu_);
  document_ = new CaseDocument(*area_, this);
  fileActions_ = new FileMenu(*fileMenu_, *document_, *area_, *this);
  connect(document_, &CaseDocument::changed, this, &AppWindow::updateTitle);
  updateTitle();

  // A case file dropped anywhere on the window opens, also over an input box.
  setAcceptDrops(true);
  for (QLineEdit* box : area_->findChildren<QLineEdit*>()) box->installEventFilter(this);

  resize(fittingSize());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect free = screen->availableGeometry();
    const QPoint centred = free.center() - QPoint(width() / 2, height() / 2 + kDecorationHeight / 2);
    move(qMax(free.left(), centred.x()), qMax(free.top(), centred.y()));  // the title bar stays on the screen
  }
}

AppWindow::~AppWindow() = default;

QSize AppWindow::fittingSize() const {
  QSize whole = area_->size();
  if (QMenuBar* bar = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
    whole.rheight() += bar->sizeHint().height();
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return whole;
  const QSize free = screen->availableGeometry().size() - QSize(kDecorationWidth, kDecorationHeight);
  return FittingSize(whole, free, scroll_->verticalScrollBar()->sizeHint().width());
}

QSize AppWindow::FittingSize(QSize whole, QSize free, int scrollBar) {
  if (whole.width() <= free.width() && whole.height() <= free.height()) return whole;
  // Scrolling in one direction takes room for that scroll bar in the other.
  if (whole.height() > free.height()) whole.rwidth() += scrollBar;
  if (whole.width() > free.width()) whole.rheight() += scrollBar;
  return whole.boundedTo(free);
}

QMenu& AppWindow::exportMenu() { return fileActions_->exportMenu(); }

QAction* AppWindow::printPlace() { return fileActions_->printPlace(); }

void AppWindow::updateTitle() {
  setWindowTitle(QStringLiteral("%1[*]  -  %2").arg(document_->displayName(), area_->windowTitle()));
  setWindowModified(document_->isModified());
}

bool AppWindow::openFile(const QString& path) { return fileActions_->openFile(path); }

void AppWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty() && !area_->running()) event->acceptProposedAction();
}

void AppWindow::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  openFile(path);
}

bool AppWindow::eventFilter(QObject* watched, QEvent* event) {
  // An input box would take the dropped file's name as text: the window opens the file instead.
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DraggedFile(drag->mimeData()).isEmpty()) break;
      if (!area_->running()) drag->acceptProposedAction(); else drag->ignore();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (DraggedFile(drop->mimeData()).isEmpty()) break;
      dropEvent(drop);
      return true;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void AppWindow::closeEvent(QCloseEvent* event) {
  // Unsaved input changes first; then a run in progress stops, and the area
  // closes the window again once the run has unwound.
  if (!closeConfirmed_) {
    if (!fileActions_->maybeDiscard()) {
      event->ignore();
      return;
    }
    closeConfirmed_ = true;
  }
  if (area_->mayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lamvero
