#include "study/studycolumns.h"

#include <cstring>
#include <functional>
#include <string_view>

#include "text/language.h"
#include "text/trim.h"

namespace lamvero {

namespace {

// The columns around the inputs and results: caption, machine name.
const CsvColumnName kCaseColumn{LV_TR_NOOP("Studienspalten", "Fall"), "case"};
const CsvColumnName kLevelColumn{LV_TR_NOOP("Studienspalten", "Stufe"), "level"};
const CsvColumnName kOutcomeColumn{LV_TR_NOOP("Studienspalten", "Ergebnis"), "outcome"};
const CsvColumnName kMessagesColumn{LV_TR_NOOP("Studienspalten", "Meldungen"), "messages"};

// A refinement's change of a result from the level before.
constexpr const char* kChangePrefix = "Δ ";

using QuantityColumn = std::function<CsvColumnName(const StudyQuantity&)>;

// Captions as files keep them (German), or shown in the user's language.
enum class Captions { Kept, Shown };

std::vector<CsvColumnName> Columns(const std::vector<Input>& variedFields, bool refinement,
                                   const QuantityColumn& quantityColumn, Captions captions = Captions::Kept) {
  const auto in = [captions](const char* context, const CsvColumnName& c) {
    return captions == Captions::Shown ? CsvColumnName{Tr(context, c.caption), c.key} : c;
  };
  std::vector<CsvColumnName> columns{in("Studienspalten", refinement ? kLevelColumn : kCaseColumn)};
  for (Input field : variedFields) {
    const InputField& f = FieldOf(field);
    columns.push_back({WithoutTrailingBlanks(in("Eingabefelder", {f.caption, f.box}).caption), f.box});
  }
  columns.push_back(in("Studienspalten", kOutcomeColumn));
  for (const StudyQuantity& q : StudyQuantities()) columns.push_back(quantityColumn(q));
  if (refinement) {
    for (const StudyQuantity& q : StudyQuantities()) {
      const CsvColumnName c = quantityColumn(q);
      columns.push_back({kChangePrefix + c.caption, kChangePrefix + c.key});
    }
  }
  columns.push_back(in("Studienspalten", kMessagesColumn));
  return columns;
}

}  // namespace

std::string StudyQuantityCaption(const StudyQuantity& quantity) {
  const std::string name = quantity.result->name();
  return std::strcmp(quantity.unit, "1") == 0 ? name : name + " in " + quantity.unit;
}

std::vector<CsvColumnName> StudyColumns(const std::vector<Input>& variedFields, bool refinement) {
  return Columns(variedFields, refinement, [](const StudyQuantity& q) {
    return CsvColumnName{StudyQuantityCaption(q), q.result->key};
  });
}

std::vector<CsvColumnName> ShownStudyColumns(const std::vector<Input>& variedFields, bool refinement) {
  const auto quantityColumn = [](const StudyQuantity& q) {
    const std::string name = q.result->shownName();
    const bool pure = std::strcmp(q.unit, "1") == 0;
    return CsvColumnName{pure ? name : Filled(Tr("Studienspalten", "%1 in %2"), {name, q.unit}), q.result->key};
  };
  return Columns(variedFields, refinement, quantityColumn, Captions::Shown);
}

std::string StudyHeader(const std::vector<Input>& variedFields, bool refinement, CsvDialect dialect) {
  return CsvHeader(StudyColumns(variedFields, refinement), dialect);
}

std::string OldStudyHeaderLine(const std::vector<Input>& variedFields, bool refinement, CsvDialect dialect) {
  const std::vector<CsvColumnName> columns = Columns(variedFields, refinement, [](const StudyQuantity& q) {
    return CsvColumnName{"", std::string(q.result->key) + " [" + q.unit + "]"};
  });
  std::vector<std::string> cells;
  for (const CsvColumnName& c : columns) cells.push_back(CsvText(c.key, dialect));
  std::string line = CsvRow(cells, dialect);
  line.pop_back();
  return line;
}

bool IsStudyKeyLine(std::string_view line) {
  for (const CsvColumnName& first : {kCaseColumn, kLevelColumn}) {
    const std::string_view key = first.key;
    if (line.size() > key.size() && line.substr(0, key.size()) == key &&
        (line[key.size()] == ',' || line[key.size()] == ';')) {
      return true;
    }
  }
  return false;
}

}  // namespace lamvero
