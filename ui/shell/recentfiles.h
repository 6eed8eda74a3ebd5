#pragma once
// The files opened or saved last, newest first, kept in the user's settings.

#include <QStringList>

namespace lamvero {

constexpr int kMaxRecentFiles = 8;

// `list` with `path` moved (or added) to the front, at most kMaxRecentFiles long.
QStringList WithRecentFile(QStringList list, const QString& path);

QStringList RecentFiles();
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);

}  // namespace lamvero
