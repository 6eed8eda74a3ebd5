#pragma once
// One varied input of a study as the user sets it: the input (by its caption
// from the input table, or none), and its values as a range (Anfang, Ende,
// Schritt, inclusive) or a list separated by ";", each with a decimal comma
// as in the window.

#include <QWidget>
#include <optional>

#include "study/studydefinition.h"

class QComboBox;
class QLineEdit;
class QStackedWidget;

namespace lamvero {

class VariationRow : public QWidget {
  Q_OBJECT
 public:
  // `number` (1, 2, 3) names the row's boxes: cbo_Feld1, txt_Anfang1, ...
  explicit VariationRow(int number, QWidget* parent = nullptr);

  // The variation, or nothing while no input is chosen.
  std::optional<StudyVariation> variation() const;
  // Shows a variation (a range "a:b:s" in the three boxes, anything else as a list); nothing clears the row.
  void setVariation(const std::optional<StudyVariation>& variation);

 signals:
  void changed();

 private:
  enum Kind { Range = 0, List = 1 };
  QLineEdit* addBox(const char* name, int number, const QString& tip);

  QComboBox* field_ = nullptr;  // "—", then the inputs in window order
  QComboBox* kind_ = nullptr;   // Bereich or Liste
  QStackedWidget* values_ = nullptr;
  QLineEdit* start_ = nullptr;
  QLineEdit* stop_ = nullptr;
  QLineEdit* step_ = nullptr;
  QLineEdit* list_ = nullptr;
};

}  // namespace lamvero
