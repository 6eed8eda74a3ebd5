#include "study/studyplan.h"

#include <algorithm>
#include <utility>

#include "text/language.h"

namespace lamvero {

Outcome<StudyPlan> StudyPlan::Make(InputTexts base, CaseTable table, std::vector<StudyAxis> axes) {
  StudyPlan p;
  const bool hasTable = !table.columns.empty() || !table.rows.empty();
  if (hasTable && table.rows.empty()) return Failure{"", Tr("Studie", "die Falltabelle enthält keinen Fall")};
  if (table.rows.size() > kMaxStudyCases) {
    return Failure{"", Filled(Tr("Studie", "die Falltabelle hat mehr als %1 Fälle"), {std::to_string(kMaxStudyCases)})};
  }
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    if (table.rows[r].size() != table.columns.size()) {
      return Failure{"", Filled(Tr("Studie", "Fall %1 der Tabelle hat %2 Werte, die Tabelle %3 Spalten"),
                                {std::to_string(r + 1), std::to_string(table.rows[r].size()),
                                 std::to_string(table.columns.size())})};
    }
  }
  p.variedFields_ = table.columns;
  for (const StudyAxis& a : axes) {
    if (a.texts.empty()) return Failure{FieldOf(a.field).box, Tr("Studie", "keine Werte")};
    p.variedFields_.push_back(a.field);
  }
  for (std::size_t i = 0; i < p.variedFields_.size(); ++i) {
    if (std::find(p.variedFields_.begin(), p.variedFields_.begin() + static_cast<std::ptrdiff_t>(i),
                  p.variedFields_[i]) != p.variedFields_.begin() + static_cast<std::ptrdiff_t>(i)) {
      return Failure{"", Filled(Tr("Studie", "%1 ist mehr als einmal vorgegeben"), {FieldOf(p.variedFields_[i]).box})};
    }
  }
  std::size_t size = hasTable ? table.rows.size() : 1;
  for (const StudyAxis& a : axes) {
    if (a.texts.size() > kMaxStudyCases / size) {
      return Failure{"", Filled(Tr("Studie", "die Studie hätte mehr als %1 Fälle"), {std::to_string(kMaxStudyCases)})};
    }
    size *= a.texts.size();
    p.gridSize_ *= a.texts.size();
  }
  p.base_ = std::move(base);
  p.table_ = std::move(table);
  p.axes_ = std::move(axes);
  p.size_ = size;
  return p;
}

InputTexts StudyPlan::caseInputs(std::size_t index) const {
  InputTexts in = base_;
  std::size_t gridIndex = index % gridSize_;
  if (!table_.rows.empty()) {
    const std::vector<std::string>& row = table_.rows[index / gridSize_];
    for (std::size_t c = 0; c < table_.columns.size(); ++c) {
      if (!row[c].empty()) in[table_.columns[c]] = row[c];
    }
  }
  // The last axis changes fastest.
  for (std::size_t a = axes_.size(); a-- > 0;) {
    const std::vector<std::string>& texts = axes_[a].texts;
    in[axes_[a].field] = texts[gridIndex % texts.size()];
    gridIndex /= texts.size();
  }
  return in;
}

}  // namespace lamvero
