#pragma once
// Datei ▸ Anlagendaten…: the plant's throughput of dry bodies, in t/h or in
// pieces per hour with the piece's dry mass (kg), typed with a decimal comma;
// or "keine Anlagendaten". What cannot give plant figures is named in red,
// with its field, and OK waits until it is mended.

#include <QDialog>
#include <QString>
#include <optional>

#include "run/plantfigures.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace lamvero {

class PlantDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PlantDialog(const std::optional<PlantData>& plant, QWidget* parent = nullptr);

  // The plant data as the boxes give them; nothing for "keine Anlagendaten".
  // Valid while problem() is empty.
  std::optional<PlantData> plant() const;
  // Why the boxes give no plant data, naming the field; empty if they do.
  QString problem() const;

 private:
  void update();

  QCheckBox* none_ = nullptr;
  QComboBox* basis_ = nullptr;
  QLabel* throughputLabel_ = nullptr;
  QLineEdit* throughput_ = nullptr;
  QLineEdit* pieceMass_ = nullptr;
  QLabel* problem_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace lamvero
