#pragma once
// Hilfe ▸ Handbuch: the manual in a window of its own, its chapters and
// sections listed on the left, the text on the right, a search field above
// (Ctrl+F; Enter finds the next place, Shift+Enter the one before).

#include <QWidget>

#include "ui/shell/manualdocument.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QUrl;

namespace lamvero {

class ManualWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ManualWindow(QWidget* parent = nullptr);
  ~ManualWindow() override;

  // Shows the window at the entry of that name (an input's or result's box,
  // "txt_Dicke"), or where the reader left it when the manual has no such entry.
  void showAt(const QString& anchor);
  // Scrolls to the entry of that name; false if the manual has none.
  bool goTo(const QString& anchor);

  const ManualDocument& manual() const { return manual_; }
  QTextBrowser& browser() { return *browser_; }
  QLineEdit& searchField() { return *search_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;  // Enter in the search field

 private:
  void buildContents();
  void goToPosition(int position);
  void followLink(const QUrl& link);
  void find(bool backward);

  ManualDocument manual_;
  QTextBrowser* browser_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* search_ = nullptr;
  QLabel* searchResult_ = nullptr;
};

}  // namespace lamvero
