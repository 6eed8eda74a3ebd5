#include "ui/shell/manualwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace lamvero {

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("win_Handbuch"));
  setWindowTitle(tr("Lamvero – Handbuch"));
  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("txt_Handbuch"));
  browser_->setOpenLinks(false);
  browser_->setDocument(&manual_.document());
  connect(browser_, &QTextBrowser::anchorClicked, this, &ManualWindow::followLink);
  contents_ = new QTreeWidget;
  contents_->setObjectName(QStringLiteral("tree_Inhalt"));
  contents_->setHeaderLabel(tr("Inhalt"));
  buildContents();

  search_ = new QLineEdit;
  search_->setObjectName(QStringLiteral("txt_Suchen"));
  search_->setPlaceholderText(tr("Suchen (Strg+F, Eingabe: weiter, Umschalt+Eingabe: zurück)"));
  search_->setClearButtonEnabled(true);
  search_->installEventFilter(this);
  searchResult_ = new QLabel;
  auto* focusSearch = new QAction(this);
  focusSearch->setShortcut(QKeySequence::Find);
  connect(focusSearch, &QAction::triggered, this, [this] {
    search_->setFocus();
    search_->selectAll();
  });
  addAction(focusSearch);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(search_, 1);
  searchRow->addWidget(searchResult_);
  auto* split = new QSplitter;
  split->addWidget(contents_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  split->setSizes({260, 640});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addWidget(split, 1);
  resize(1100, 800);
}

// The browser shows the manual's document without owning it, so it goes before the document.
ManualWindow::~ManualWindow() { delete browser_; }

// Chapters with their sections; a click goes there.
void ManualWindow::buildContents() {
  QTreeWidgetItem* chapter = nullptr;
  for (const ManualDocument::Heading& h : manual_.headings()) {
    auto* item = h.level == 1 || !chapter ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(chapter);
    if (h.level == 1) chapter = item;
    item->setText(0, h.text);
    item->setData(0, Qt::UserRole, h.position);
  }
  contents_->expandAll();
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { goToPosition(item->data(0, Qt::UserRole).toInt()); });
}

void ManualWindow::showAt(const QString& anchor) {
  if (!anchor.isEmpty()) goTo(anchor);
  show();
  raise();
  activateWindow();
}

bool ManualWindow::goTo(const QString& anchor) {
  const int position = manual_.positionOf(anchor);
  if (position < 0) return false;
  goToPosition(position);
  return true;
}

// The place at the top of the text, the cursor on it.
void ManualWindow::goToPosition(int position) {
  QTextCursor cursor(&manual_.document());
  cursor.setPosition(position);
  browser_->setTextCursor(cursor);
  const QTextBlock block = manual_.document().findBlock(position);
  const qreal top = manual_.document().documentLayout()->blockBoundingRect(block).top();
  browser_->verticalScrollBar()->setValue(static_cast<int>(top));
}

void ManualWindow::followLink(const QUrl& link) {
  const QString anchor = ManualDocument::AnchorOfLink(link);
  if (anchor.isEmpty()) {
    QDesktopServices::openUrl(link);
  } else {
    searchResult_->setText(goTo(anchor) ? QString()
                                        : tr("„%1“ ist in diesem Handbuch nicht enthalten.").arg(anchor));
  }
}

bool ManualWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      find(key->modifiers() & Qt::ShiftModifier);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// From the cursor on, around the end of the document once.
void ManualWindow::find(bool backward) {
  const QString text = search_->text();
  if (text.isEmpty()) return;
  const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  QTextCursor found = manual_.document().find(text, browser_->textCursor(), flags);
  if (found.isNull()) {
    QTextCursor restart(&manual_.document());
    if (backward) restart.movePosition(QTextCursor::End);
    found = manual_.document().find(text, restart, flags);
  }
  searchResult_->setText(found.isNull() ? tr("nicht gefunden") : QString());
  if (!found.isNull()) browser_->setTextCursor(found);
}

}  // namespace lamvero
