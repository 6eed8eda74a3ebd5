#pragma once
// Datei ▸ Eigenschaften…: what the case is about (title, project, customer,
// author, comment), one box per project field, the comment over several
// lines. OK keeps the texts only when a case file can keep every one of them;
// otherwise it names the field and the reason and leaves the dialog open.

#include <QDialog>
#include <QString>
#include <vector>

#include "run/projectdata.h"

class QWidget;

namespace lamvero {

class ProjectDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ProjectDialog(const ProjectData& about, QWidget* parent = nullptr);
  // The texts of the boxes.
  ProjectData about() const;
  // The first field a case file could not keep, as a message naming it; empty if none.
  QString problem() const;

  void accept() override;

 private:
  QString boxText(const ProjectField& field) const;
  const ProjectField* refusedField() const;  // the first field a case file could not keep
  QWidget* box(const ProjectField& field) const;

  std::vector<QWidget*> boxes_;  // in the order of the fields
};

}  // namespace lamvero
