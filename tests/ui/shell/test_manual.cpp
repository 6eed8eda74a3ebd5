// The manual: every chapter of docs/handbuch shown, an entry for every input,
// result, series and output box, links that lead somewhere, and F1 opening it
// at the entry of the box that has the focus.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

#include "inputs/inputs.h"
#include "run/resultdescriptors.h"
#include "run/runrecord.h"
#include "text/numberformat.h"
#include "text/trim.h"
#include "ui/calculator/mainwindow.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/manualdocument.h"
#include "ui/shell/manualwindow.h"

namespace lamvero {
namespace {

const ManualDocument& Manual() {
  static const ManualDocument manual;
  return manual;
}

// The text from a named place to the next one.
QString EntryText(const ManualDocument& manual, const QString& anchor) {
  const int start = manual.positionOf(anchor);
  int end = manual.document().characterCount() - 1;
  for (const QString& other : manual.anchors()) {
    const int at = manual.positionOf(other);
    if (at > start) end = std::min(end, at);
  }
  QTextCursor entry(const_cast<QTextDocument*>(&manual.document()));
  entry.setPosition(start);
  entry.setPosition(end, QTextCursor::KeepAnchor);
  return entry.selectedText();
}

// A number as the manual writes it: decimal comma, a true minus sign.
QString Written(double value) {
  return QString::fromStdString(FormatSignificant(value, 6)).replace(QLatin1Char('-'), QChar(0x2212));
}

QString Text(const char* s) { return QString::fromUtf8(s); }

TEST(Manual, ShowsEveryChapterOfItsFolderInFileNameOrder) {
  const QStringList files = QDir(QStringLiteral(LAMVERO_MANUAL_DIR)).entryList({"*.md"}, QDir::Files, QDir::Name);
  ASSERT_GE(files.size(), 5);
  EXPECT_EQ(Manual().chapters(), files);
  int previous = -1;
  for (const QString& chapter : files) {
    const int at = Manual().positionOf(chapter);
    EXPECT_GT(at, previous) << chapter.toStdString();
    previous = at;
  }
  // Every chapter opens with its title, and the contents list it.
  const auto& headings = Manual().headings();
  EXPECT_EQ(std::count_if(headings.begin(), headings.end(), [](const auto& h) { return h.level == 1; }),
            files.size());
}

TEST(Manual, EveryInputHasAnEntryWithCaptionUnitDefaultAndUsualRange) {
  for (const InputField& f : InputFields()) {
    const QString box = Text(f.box);
    ASSERT_GE(Manual().positionOf(box), 0) << f.box << " has no entry";
    const QString entry = EntryText(Manual(), box);
    EXPECT_TRUE(entry.startsWith(Text(WithoutTrailingBlanks(f.caption).c_str()))) << f.box;
    if (*f.unit) {
      EXPECT_TRUE(entry.contains(QStringLiteral("Einheit ") + Text(f.unit))) << f.box;
    }
    EXPECT_TRUE(entry.contains(QStringLiteral("Vorgabe ") + Text(f.defaultText))) << f.box;
    EXPECT_TRUE(entry.contains(QStringLiteral("Bereich %1 bis %2").arg(Written(f.usualMin), Written(f.usualMax))))
        << f.box << ": " << entry.left(200).toStdString();
  }
}

TEST(Manual, EveryResultSeriesAndOutputBoxHasAnEntry) {
  for (const ResultDescriptor& r : ResultDescriptors()) {
    const QString name = Text(*r.box ? r.box : r.key);
    EXPECT_GE(Manual().positionOf(name), 0) << r.key << " has no entry";
    if (*r.box) {
      EXPECT_TRUE(EntryText(Manual(), name).startsWith(Text(r.tableCaption().c_str()))) << r.box;
    }
  }
  for (const SeriesColumn& c : SeriesColumns()) EXPECT_GE(Manual().positionOf(Text(c.name)), 0) << c.name;
  // The boxes a user can click and press F1 on, live values included.
  MainWindow area;
  for (const QLineEdit* box : area.findChildren<QLineEdit*>()) {
    if (box->focusPolicy() == Qt::NoFocus) continue;
    EXPECT_GE(Manual().positionOf(box->objectName()), 0) << box->objectName().toStdString();
  }
}

TEST(Manual, EveryLinkLeadsToAPlaceInTheManualOrToAChapterStillToCome) {
  const QRegularExpression chapter(QStringLiteral(R"(^\d\d-[a-z]+\.md$)"));
  int links = 0;
  for (QTextBlock block = Manual().document().begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QString href = it.fragment().charFormat().anchorHref();
      if (href.isEmpty()) continue;
      ++links;
      const QUrl link(href);
      const QString anchor = ManualDocument::AnchorOfLink(link);
      ASSERT_FALSE(anchor.isEmpty()) << href.toStdString();
      const bool wholeChapter = !link.hasFragment() && chapter.match(anchor).hasMatch();
      EXPECT_TRUE(Manual().positionOf(anchor) >= 0 || wholeChapter) << href.toStdString();
    }
  }
  EXPECT_GT(links, 10);
  EXPECT_TRUE(ManualDocument::AnchorOfLink(QUrl(QStringLiteral("https://example.org/#x"))).isEmpty());
}

TEST(ManualDocument, AnAnchorLineNamesTheLineAfterItAndLeavesNoTrace) {
  QTemporaryDir dir;
  auto write = [&](const char* name, const char* text) {
    QFile f(dir.filePath(QLatin1String(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  };
  write("20-zwei.md", "# Zwei\n\n<a id=\"b\"></a>\n<a id=\"c\"></a>\n\n### Überschrift B\n\nText.\n\n"
                      "| a | b |\n|---|---|\n<a id=\"row\"></a>\n| Zeile | 2 |\n\n<a id=\"item\"></a>\n- Punkt\n");
  write("10-eins.md", "# Eins\n\nAbsatz mit θ = 20 °C.\n\n<a id=\"a\"></a>\nAbsatz A\n");
  write("notiz.txt", "# kein Kapitel\n");
  const ManualDocument manual(dir.path());
  EXPECT_EQ(manual.chapters(), QStringList({"10-eins.md", "20-zwei.md"}));
  EXPECT_EQ(manual.anchors(), QStringList({"10-eins.md", "20-zwei.md", "a", "b", "c", "item", "row"}));
  auto blockAt = [&](const char* name) {
    return manual.document().findBlock(manual.positionOf(QLatin1String(name)));
  };
  auto textAt = [&](const char* name) { return blockAt(name).text().mid(manual.positionOf(QLatin1String(name)) - blockAt(name).position()); };
  EXPECT_EQ(textAt("10-eins.md"), "Eins");
  EXPECT_EQ(textAt("a"), "Absatz A");
  EXPECT_EQ(textAt("b"), QString::fromUtf8("Überschrift B"));
  EXPECT_EQ(blockAt("b").blockFormat().headingLevel(), 3);  // still a heading
  EXPECT_EQ(manual.positionOf("c"), manual.positionOf("b"));
  EXPECT_EQ(textAt("row"), "Zeile");
  EXPECT_EQ(textAt("item"), "Punkt");
  EXPECT_EQ(manual.positionOf("fehlt"), -1);
  const QString shown = manual.document().toPlainText();
  EXPECT_FALSE(shown.contains(QChar(0xE000)) || shown.contains(QStringLiteral("<a")));
  EXPECT_TRUE(shown.contains(QString::fromUtf8("θ = 20 °C")));
  ASSERT_EQ(manual.headings().size(), 2);
  EXPECT_EQ(manual.headings()[1].text, "Zwei");
}

TEST(ManualWindow, HilfeHandbuchWithF1OpensAtTheEntryOfTheFocusedBox) {
  AppWindow app;
  QAction* entry = app.action(QStringLiteral("act_Handbuch"));
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(app.helpMenu().actions().contains(entry));
  EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::Key_F1));
  app.show();
  QApplication::setActiveWindow(&app);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&app));

  auto pressF1On = [&](const char* name) -> QString {
    QApplication::setActiveWindow(&app);
    auto* box = app.area().findChild<QLineEdit*>(QLatin1String(name));
    box->setVisible(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F1);
    auto* manual = app.findChild<ManualWindow*>();
    if (!manual || !manual->isVisible()) return QStringLiteral("(closed)");
    return manual->browser().textCursor().block().text();
  };
  EXPECT_EQ(pressF1On("txt_lambda"), Text(WithoutTrailingBlanks(FieldOf(Input::lambda).caption).c_str()));
  EXPECT_EQ(pressF1On("txt_Dauer1TA"), Text(ResultOf("Dauer1TA").tableCaption().c_str()));
  EXPECT_EQ(pressF1On("txt_rund"), Text(FieldOf(Input::rund).caption));
  // Away from the boxes the manual stays where it was.
  QApplication::setActiveWindow(&app);
  app.area().findChild<QWidget*>(QStringLiteral("cmd_Start"))->setFocus();
  ManualWindow& manual = app.showManual();
  EXPECT_EQ(manual.browser().textCursor().block().text(), Text(FieldOf(Input::rund).caption));
  manual.close();
}

TEST(ManualWindow, SearchFindsTheNextPlaceAndComesRoundAgain) {
  ManualWindow window;
  window.show();
  window.searchField().setText(QStringLiteral("Kühlgrenztemperatur"));
  QTest::keyClick(&window.searchField(), Qt::Key_Return);
  const int first = window.browser().textCursor().selectionStart();
  ASSERT_GE(first, 0);
  EXPECT_EQ(window.browser().textCursor().selectedText(), QStringLiteral("Kühlgrenztemperatur"));
  QTest::keyClick(&window.searchField(), Qt::Key_Return);
  EXPECT_GT(window.browser().textCursor().selectionStart(), first);
  QTest::keyClick(&window.searchField(), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(window.browser().textCursor().selectionStart(), first);
  QTest::keyClick(&window.searchField(), Qt::Key_Return, Qt::ShiftModifier);  // before the first: from the end
  EXPECT_GT(window.browser().textCursor().selectionStart(), first);
  window.searchField().setText(QStringLiteral("gibt es nirgends"));
  QTest::keyClick(&window.searchField(), Qt::Key_Return);
  EXPECT_GT(window.browser().textCursor().selectionStart(), first);  // the place stays
}

}  // namespace
}  // namespace lamvero
