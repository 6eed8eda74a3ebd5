#include "ui/shell/manualdocument.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>

#include <algorithm>

namespace lamvero {

namespace {
// Qt's Markdown reader drops an empty HTML anchor, so each one travels
// through it as a name between two private-use characters placed where
// the named line's text begins.
constexpr QChar kOpen(0xE000);
constexpr QChar kClose(0xE001);

QString Marker(const QString& name) { return kOpen + name + kClose; }

const QRegularExpression& AnchorLine() {
  static const QRegularExpression pattern(QStringLiteral(R"re(^\s*<a id="([^"]+)"></a>\s*$)re"));
  return pattern;
}

// Where a line's own text starts: after a heading's hashes, a table's bar or a list's bullet.
int TextStart(const QString& line) {
  static const QRegularExpression prefix(QStringLiteral(R"(^(#{1,6}\s+|\|\s*|[-*]\s+|\d+\.\s+)?)"));
  return static_cast<int>(prefix.match(line).capturedLength());
}
}  // namespace

QString ManualDocument::DefaultFolder() { return QStringLiteral(":/handbuch"); }

ManualDocument::ManualDocument(const QString& folder) {
  chapters_ = QDir(folder).entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
  QStringList texts;
  for (const QString& file : chapters_) texts << chapterText(folder, file);
  document_.setMarkdown(texts.join(QStringLiteral("\n\n")));
  placeAnchors();
  collectHeadings();
}

// The chapter's Markdown with every anchor line turned into a marker on the line it names.
QString ManualDocument::chapterText(const QString& folder, const QString& file) {
  QFile in(QDir(folder).filePath(file));
  if (!in.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
  QString pending = Marker(file);
  QStringList out;
  for (QString& line : lines) {
    const QRegularExpressionMatch anchor = AnchorLine().match(line);
    if (anchor.hasMatch()) {
      pending += Marker(anchor.captured(1));
      continue;
    }
    if (!pending.isEmpty() && !line.trimmed().isEmpty()) {
      line.insert(TextStart(line), pending);
      pending.clear();
    }
    out << line;
  }
  return out.join(QLatin1Char('\n'));
}

// Takes the markers out of the shown text and keeps their places.
void ManualDocument::placeAnchors() {
  static const QRegularExpression markers(QStringLiteral("(%1[^%2]*%2)+").arg(QString(kOpen), QString(kClose)));
  QTextCursor found(&document_);
  while (!(found = document_.find(markers, found)).isNull()) {
    const QString names = found.selectedText();
    found.removeSelectedText();
    for (const QString& name : names.split(kClose, Qt::SkipEmptyParts)) {
      positions_.insert(name.mid(1), found.position());
    }
  }
}

void ManualDocument::collectHeadings() {
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level == 1 || level == 2) headings_.push_back({level, block.text(), block.position()});
  }
}

QStringList ManualDocument::anchors() const {
  QStringList names = positions_.keys();
  std::sort(names.begin(), names.end());
  return names;
}

QString ManualDocument::AnchorOfLink(const QUrl& link) {
  if (!link.scheme().isEmpty() || !link.host().isEmpty()) return {};
  return link.hasFragment() ? link.fragment() : link.path();
}

}  // namespace lamvero
