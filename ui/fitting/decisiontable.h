#pragma once
// The inputs a search may vary, as a table in the optimiser dialog: a check
// box with the caption, the unit, the case's value and the bounds. The
// exhaust air's temperature and humidity and the counter-current end are
// ticked at first; every row's bounds start around the case's value.

#include <QTableWidget>
#include <vector>

#include "inputs/inputs.h"
#include "study/optimise.h"
#include "text/outcome.h"

namespace lamvero {

class DecisionTable : public QTableWidget {
  Q_OBJECT
 public:
  enum Column { Caption, Unit, Current, Lower, Upper, kColumns };

  explicit DecisionTable(QWidget* parent = nullptr);

  // The case's values and bounds around them; the ticks stay as they are.
  void setBase(const InputTexts& base);
  // The ticked inputs with their bounds, in window order; a refusal names the
  // input and the bound that cannot be read.
  Outcome<std::vector<DecisionInput>> decisions() const;
  // The row of an input (for tests and the dialog's own use).
  int rowOf(Input input) const;

 signals:
  void changed();

 private:
  std::vector<Input> inputs_;  // one per row
};

}  // namespace lamvero
