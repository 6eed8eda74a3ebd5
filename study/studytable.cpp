#include "study/studytable.h"

namespace lamvero {

std::string StudyTableText(const StudyResults& results, StudyFormat format, CsvDialect dialect) {
  StudyLayout layout;
  layout.format = format;
  layout.dialect = dialect;
  layout.variedFields = results.variedFields;
  std::string text;
  StudyWriter writer(text, layout);
  writer.writeHeader();
  for (const StudyRow& row : results.rows) writer.writeRow(row.number, SummaryOf(results, row));
  return text;
}

}  // namespace lamvero
