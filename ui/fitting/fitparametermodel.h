#pragma once
// The inputs a fit may vary, as a table: one row per numeric input of the
// case (the numerical controls Ortsschrittweite, deltaT and rund excepted),
// with a check box "anpassen", caption, unit, the case's value as its box
// holds it, and lower and upper bound in the box's unit, editable with a
// decimal comma (a field's usual range until the user types another).

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "inputs/inputs.h"
#include "study/fit.h"
#include "text/outcome.h"

namespace lamvero {

class FitParameterModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Chosen, Caption, Unit, Start, Lower, Upper };

  explicit FitParameterModel(QObject* parent = nullptr);

  // The case whose values the Startwert column shows.
  void setBase(const InputTexts& base);
  // The inputs whose box is ticked, in table order.
  std::vector<Input> chosen() const;
  void setChosen(Input input, bool on);
  void setBounds(Input input, const QString& lower, const QString& upper);
  // The ticked inputs with their bounds; a bound that is no number is
  // refused naming the bound and the input.
  Outcome<std::vector<FitParameter>> parameters() const;
  // The row of an input, -1 for one the table leaves out.
  int rowOf(Input input) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    Input input;
    bool chosen = false;
    QString lower, upper;
  };
  std::vector<Row> rows_;
  InputTexts base_ = InputTexts::Defaults();
};

}  // namespace lamvero
