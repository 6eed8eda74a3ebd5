#pragma once
// Ansicht ▸ Sprache: the window's language as the system has it, German or
// English, one of them checked as remembered. A choice is remembered for the
// next start, and the user is told so in the language chosen; the open window
// keeps the language it started in.

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace lamvero {

class LanguageMenu : public QObject {
  Q_OBJECT
 public:
  using Tell = std::function<void(const QString& text)>;
  // Adds the submenu to `viewMenu`; `tell` shows the note after a choice.
  LanguageMenu(QMenu& viewMenu, Tell tell, QObject* parent);

 private:
  void choose(QAction* action);

  Tell tell_;
};

}  // namespace lamvero
