#include "ui/shell/statuslines.h"

#include <QLabel>
#include <QStatusBar>

namespace lamvero {

StatusLines::StatusLines(QStatusBar& bar) : QObject(&bar), bar_(bar) {}

void StatusLines::set(const QString& name, const QString& text) {
  auto it = lines_.find(name);
  if (it == lines_.end()) {
    if (text.isEmpty()) return;
    auto* line = new QLabel(&bar_);
    line->setObjectName(QStringLiteral("sta_") + name);
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar_.addWidget(line, 1);
    it = lines_.emplace(name, line).first;
  }
  it->second->setText(text);
  it->second->setToolTip(text);
  it->second->setVisible(!text.isEmpty());
}

QString StatusLines::text(const QString& name) const {
  const auto it = lines_.find(name);
  return it == lines_.end() ? QString() : it->second->text();
}

}  // namespace lamvero
