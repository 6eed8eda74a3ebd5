// Datei ▸ Eigenschaften…: the project data of the case, edited in a dialog,
// kept by the document (which counts as modified), saved with the case file
// and handed to the report.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "common/sampleproject.h"
#include "disk/casefiles.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/filemenu.h"
#include "ui/shell/projectdialog.h"
#include "modaldialog.h"

namespace lamvero {
namespace {

// Opens Datei ▸ Eigenschaften…, lets `fill` type into the dialog, then
// presses OK (or Abbrechen).
void EditProperties(AppWindow& w, const std::function<void(QDialog&)>& fill, bool ok) {
  testing::AnswerModalDialog(
      QStringLiteral("dlg_Eigenschaften"), [&] { w.fileActions().action("act_Eigenschaften").trigger(); }, fill, ok);
}

void Type(QDialog& d, const char* key, const QString& text) {
  const QString name = QStringLiteral("edt_") + QString::fromLatin1(key);
  if (auto* line = d.findChild<QLineEdit*>(name)) {
    line->setText(text);
  } else {
    auto* lines = d.findChild<QPlainTextEdit*>(name);
    ASSERT_NE(lines, nullptr) << key;
    lines->setPlainText(text);
  }
}

TEST(ProjectDialog, OkEditsTheDocumentMarksItModifiedAndTheFileAndReportKeepIt) {
  AppWindow w;
  w.show();
  ASSERT_FALSE(w.document().isModified());
  const ProjectData expected = testing::SampleProject();
  EditProperties(
      w,
      [&](QDialog& d) {
        for (const ProjectField& f : ProjectFields()) Type(d, f.key, QString::fromStdString(expected.*f.member));
      },
      true);
  EXPECT_EQ(w.document().about(), expected);
  EXPECT_TRUE(w.document().isModified());
  EXPECT_TRUE(w.isWindowModified());
  EXPECT_EQ(w.reportInfo().about, expected);
  EXPECT_EQ(w.reportInfo().title, QStringLiteral("Vollziegel 4 mm"));

  // Abbrechen leaves them; the dialog opens with what the document holds.
  EditProperties(
      w,
      [&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("edt_customer"))->text(),
                  QString::fromStdString(expected.customer));
        Type(d, "customer", QStringLiteral("anders"));
      },
      false);
  EXPECT_EQ(w.document().about(), expected);

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("platte.lamvero"));
  ASSERT_TRUE(w.document().saveAs(path));
  EXPECT_FALSE(w.document().isModified());
  const Outcome<CaseFile> read = ReadCaseFile(path);
  ASSERT_TRUE(read) << read.message();
  EXPECT_EQ(read->about, expected);

  // The same texts again change nothing; a new case has none.
  EditProperties(w, [](QDialog&) {}, true);
  EXPECT_FALSE(w.document().isModified());
  w.document().newCase();
  EXPECT_EQ(w.document().about(), ProjectData{});
  ASSERT_TRUE(w.document().open(path));
  EXPECT_EQ(w.document().about(), expected);
  EXPECT_FALSE(w.document().isModified());
}

TEST(ProjectDialog, ATextACaseFileCannotKeepIsNamedWithItsReason) {
  ProjectDialog dialog(ProjectData{});
  EXPECT_TRUE(dialog.problem().isEmpty());
  Type(dialog, "author", QString(20000, QChar(0x00E4)));  // 40000 bytes in UTF-8
  EXPECT_EQ(dialog.problem(), QStringLiteral("„Bearbeiter“ ist zu lang (40000 Bytes, höchstens 32767)."));
  Type(dialog, "author", QStringLiteral("A. Prüfer"));
  Type(dialog, "comment", QStringLiteral("mehrere\nZeilen\tund Tab"));
  EXPECT_TRUE(dialog.problem().isEmpty());
  EXPECT_EQ(dialog.about().comment, "mehrere\nZeilen\tund Tab");
}

}  // namespace
}  // namespace lamvero
