#include "ui/shell/recentfiles.h"

#include <QSettings>

namespace lamvero {

namespace {
const QString kKey = QStringLiteral("recentFiles");
}

QStringList WithRecentFile(QStringList list, const QString& path) {
  list.removeAll(path);
  list.prepend(path);
  while (list.size() > kMaxRecentFiles) list.removeLast();
  return list;
}

QStringList RecentFiles() { return QSettings().value(kKey).toStringList(); }

void AddRecentFile(const QString& path) { QSettings().setValue(kKey, WithRecentFile(RecentFiles(), path)); }

void RemoveRecentFile(const QString& path) {
  QStringList list = RecentFiles();
  list.removeAll(path);
  QSettings().setValue(kKey, list);
}

}  // namespace lamvero
