#pragma once
// The limits of a search in the optimiser dialog: one row per limit the
// optimiser knows, each with a check box, its value and its unit.

#include <QWidget>
#include <vector>

#include "run/runrecord.h"
#include "study/optimise.h"
#include "text/outcome.h"

class QCheckBox;
class QLineEdit;

namespace lamvero {

class LimitRows : public QWidget {
  Q_OBJECT
 public:
  explicit LimitRows(QWidget* parent = nullptr);

  // Each limit's value as it stands in the base run (the water-balance error
  // keeps its usual 6 %); without a run the boxes of those limits stay empty.
  void setBase(const RunRecord* run);
  // The ticked limits; a refusal names the limit whose value cannot be read.
  Outcome<std::vector<OptimiseConstraint>> constraints() const;

 signals:
  void changed();

 private:
  struct Row {
    OptimiseLimit limit;
    QCheckBox* ticked;
    QLineEdit* value;
  };
  std::vector<Row> rows_;
};

}  // namespace lamvero
