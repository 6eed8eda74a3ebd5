#pragma once
// Reading a whole file the window or the runner opens: refused before it is
// opened when it is a folder, a pipe, a device or a socket, or larger than a
// file of its kind can be; a failure names the file and the reason.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "text/outcome.h"

namespace lamvero {

// The path in German quotes, with the system's separators.
QString QuotedPath(const QString& path);

// "Die Datei „PATH“ kann nicht geöffnet werden", where a reading failure happens.
std::string CannotOpen(const QString& path);

// Refuses a file larger than its kind can be, showing both sizes.
using SizeCheck = std::function<Status(std::uint64_t bytes)>;

// The bytes of the file, at most maxBytes + 1 (so that checkSize sees an
// excess that appeared after the check).
Outcome<QByteArray> ReadWholeFile(const QString& path, std::uint64_t maxBytes, const SizeCheck& checkSize);

}  // namespace lamvero
