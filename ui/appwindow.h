#pragma once
// The program's top-level window: a main window whose central widget scrolls
// the fixed-layout calculator area. At its natural size the area fills the
// window exactly; on a smaller screen the window opens as large as the screen
// allows and the area scrolls, so every control stays reachable. The menu bar
// (Datei, Bearbeiten, Hilfe), dialogs and further windows attach here, around
// the area. The title names the case file and marks unsaved input changes.

#include <QMainWindow>

class QMenu;
class QScrollArea;

namespace lamvero {

class CaseDocument;
class FileMenu;
class MainWindow;

class AppWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit AppWindow(QWidget* parent = nullptr);
  ~AppWindow() override;

  MainWindow& area() { return *area_; }
  QScrollArea& scrollArea() { return *scroll_; }
  CaseDocument& document() { return *document_; }

  // The menus, in the order of the menu bar. A menu without entries is not shown.
  QMenu& fileMenu() { return *fileMenu_; }
  FileMenu& fileActions() { return *fileActions_; }
  QMenu& exportMenu();       // Datei ▸ Exportieren
  QAction* printPlace();     // Datei: entries for printing go before this
  QMenu& editMenu() { return *editMenu_; }
  QMenu& helpMenu() { return *helpMenu_; }

  // Opens a case file, asking first about unsaved input changes; a problem is shown.
  bool openFile(const QString& path);

  // The size that shows the whole area, bounded by the primary screen's free space.
  QSize fittingSize() const;
  // The window size for content of size `whole` on a screen with `free` room:
  // `whole` if it fits, otherwise bounded by `free`, with room for the scroll
  // bar (`scrollBar` pixels) that one direction then needs in the other.
  static QSize FittingSize(QSize whole, QSize free, int scrollBar);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void updateTitle();

  QScrollArea* scroll_ = nullptr;
  MainWindow* area_ = nullptr;
  CaseDocument* document_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  FileMenu* fileActions_ = nullptr;
  bool closeConfirmed_ = false;  // unsaved changes were dealt with; a run may still be unwinding
};

}  // namespace lamvero
