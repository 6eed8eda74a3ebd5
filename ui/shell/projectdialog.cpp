#include "ui/shell/projectdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/language.h"

namespace lamvero {

ProjectDialog::ProjectDialog(const ProjectData& about, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_Eigenschaften"));
  setWindowTitle(tr("Eigenschaften der Rechnung"));
  auto* form = new QFormLayout;
  for (const ProjectField& f : ProjectFields()) {
    const QString text = QString::fromStdString(about.*f.member);
    QWidget* edit = nullptr;
    if (f.multiLine) {
      auto* lines = new QPlainTextEdit(text, this);
      lines->setTabChangesFocus(true);
      edit = lines;
    } else {
      auto* line = new QLineEdit(text, this);
      line->setMinimumWidth(360);
      edit = line;
    }
    edit->setObjectName(QStringLiteral("edt_") + QString::fromLatin1(f.key));
    form->addRow(QString::fromStdString(Tr("Projektdaten", f.caption)) + QStringLiteral(":"), edit);
    boxes_.push_back(edit);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &ProjectDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ProjectDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

QWidget* ProjectDialog::box(const ProjectField& field) const {
  return boxes_[static_cast<std::size_t>(&field - ProjectFields().data())];
}

QString ProjectDialog::boxText(const ProjectField& field) const {
  if (field.multiLine) return static_cast<QPlainTextEdit*>(box(field))->toPlainText();
  return static_cast<QLineEdit*>(box(field))->text();
}

ProjectData ProjectDialog::about() const {
  ProjectData about;
  for (const ProjectField& f : ProjectFields()) about.*f.member = boxText(f).toStdString();
  return about;
}

const ProjectField* ProjectDialog::refusedField() const {
  for (const ProjectField& f : ProjectFields()) {
    if (!ProjectTextProblem(f, boxText(f).toStdString()).empty()) return &f;
  }
  return nullptr;
}

QString ProjectDialog::problem() const {
  const ProjectField* f = refusedField();
  if (!f) return {};
  return tr("„%1“ %2.").arg(QString::fromStdString(Tr("Projektdaten", f->caption)),
                            QString::fromStdString(ProjectTextProblem(*f, boxText(*f).toStdString())));
}

void ProjectDialog::accept() {
  if (const ProjectField* f = refusedField()) {
    box(*f)->setFocus();
    QMessageBox::warning(this, QStringLiteral("Lamvero"), problem());
    return;
  }
  QDialog::accept();
}

}  // namespace lamvero
