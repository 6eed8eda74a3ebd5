#include "ui/appwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "ui/mainwindow.h"

namespace lamvero {

namespace {
// Room the window manager takes for the title bar and borders, which a
// window does not know before it is shown.
constexpr int kDecorationWidth = 16;
constexpr int kDecorationHeight = 48;
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

void AppWindow::closeEvent(QCloseEvent* event) {
  // A run in progress stops first; the area closes the window once it has unwound.
  if (area_->mayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lamvero
