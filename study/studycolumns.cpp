#include "study/studycolumns.h"

#include <cstring>
#include <functional>
#include <string_view>

#include "text/trim.h"

namespace lamvero {

namespace {

// The columns around the inputs and results: caption, machine name.
const CsvColumnName kCaseColumn{"Fall", "case"};
const CsvColumnName kLevelColumn{"Stufe", "level"};
const CsvColumnName kOutcomeColumn{"Ergebnis", "outcome"};
const CsvColumnName kMessagesColumn{"Meldungen", "messages"};

// A refinement's change of a result from the level before.
constexpr const char* kChangePrefix = "Δ ";

using QuantityColumn = std::function<CsvColumnName(const StudyQuantity&)>;

std::vector<CsvColumnName> Columns(const std::vector<Input>& variedFields, bool refinement,
                                   const QuantityColumn& quantityColumn) {
  std::vector<CsvColumnName> columns{refinement ? kLevelColumn : kCaseColumn};
  for (Input field : variedFields) {
    const InputField& f = FieldOf(field);
    columns.push_back({WithoutTrailingBlanks(f.caption), f.box});
  }
  columns.push_back(kOutcomeColumn);
  for (const StudyQuantity& q : StudyQuantities()) columns.push_back(quantityColumn(q));
  if (refinement) {
    for (const StudyQuantity& q : StudyQuantities()) {
      const CsvColumnName c = quantityColumn(q);
      columns.push_back({kChangePrefix + c.caption, kChangePrefix + c.key});
    }
  }
  columns.push_back(kMessagesColumn);
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
