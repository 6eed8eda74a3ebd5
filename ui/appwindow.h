#pragma once
// The program's top-level window: a main window whose central widget scrolls
// the fixed-layout calculator area. At its natural size the area fills the
// window exactly; on a smaller screen the window opens as large as the screen
// allows and the area scrolls, so every control stays reachable. Menus,
// dialogs and further windows attach here, around the area.

#include <QMainWindow>

class QScrollArea;

namespace lamvero {

class MainWindow;

class AppWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit AppWindow(QWidget* parent = nullptr);
  ~AppWindow() override;

  MainWindow& area() { return *area_; }
  QScrollArea& scrollArea() { return *scroll_; }

  // The size that shows the whole area, bounded by the primary screen's free space.
  QSize fittingSize() const;
  // The window size for content of size `whole` on a screen with `free` room:
  // `whole` if it fits, otherwise bounded by `free`, with room for the scroll
  // bar (`scrollBar` pixels) that one direction then needs in the other.
  static QSize FittingSize(QSize whole, QSize free, int scrollBar);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QScrollArea* scroll_ = nullptr;
  MainWindow* area_ = nullptr;
};

}  // namespace lamvero
