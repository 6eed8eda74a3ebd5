#pragma once
// The manual as one document: the chapters docs/handbuch/NN-name.md, compiled
// into the program, joined in file-name order and shown as Markdown. A line
// `<a id="NAME"></a>` names the line after it (a heading, as a rule), so that
// F1 on the box NAME and a link "#NAME" or "NN-name.md#NAME" lead there; each
// chapter's first line is also named after its file ("10-modell.md").

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QVector>

class QUrl;

namespace lamvero {

class ManualDocument {
 public:
  // The chapters compiled into the program.
  static QString DefaultFolder();

  // Reads every *.md file of that folder.
  explicit ManualDocument(const QString& folder = DefaultFolder());

  QTextDocument& document() { return document_; }
  const QTextDocument& document() const { return document_; }
  const QStringList& chapters() const { return chapters_; }  // the files, in the order shown
  QStringList anchors() const;                               // every name, sorted
  // Where that name stands in the document; -1 for a name the manual lacks.
  int positionOf(const QString& anchor) const { return positions_.value(anchor, -1); }

  struct Heading {
    int level;  // 1 for a chapter, 2 for its sections
    QString text;
    int position;
  };
  const QVector<Heading>& headings() const { return headings_; }

  // The name a link inside the manual leads to ("#txt_Dicke", "20-eingaben.md",
  // "20-eingaben.md#txt_Dicke"); empty for a link that leaves the manual.
  static QString AnchorOfLink(const QUrl& link);

 private:
  QString chapterText(const QString& folder, const QString& file);
  void placeAnchors();
  void collectHeadings();

  QTextDocument document_;
  QStringList chapters_;
  QHash<QString, int> positions_;
  QVector<Heading> headings_;
};

}  // namespace lamvero
