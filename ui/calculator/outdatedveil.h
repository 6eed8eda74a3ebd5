#pragma once
// A veil over what a run showed, for when the inputs have changed since: the
// output boxes and both drawing areas are dimmed under translucent white. It
// lies on top of the calculator area and changes none of its controls; mouse
// clicks pass through it.

#include <QPointer>
#include <QWidget>
#include <vector>

namespace lamvero {

class OutdatedVeil : public QWidget {
  Q_OBJECT
 public:
  // Covers the area whole; dims those of `covered` (children of the area) that are visible.
  OutdatedVeil(QWidget& area, std::vector<QPointer<QWidget>> covered);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QPointer<QWidget>> covered_;
};

}  // namespace lamvero
