#include "study/studywriter.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "study/studyaxis.h"
#include "study/studycolumns.h"

namespace lamvero {

namespace {

// Messages are one line each, so that every row is one line and shards merge line by line.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

std::string JoinedMessages(const std::vector<std::string>& messages) {
  std::string joined;
  for (const std::string& m : messages) joined += (joined.empty() ? "" : " | ") + OneLine(m);
  return joined;
}

// An input text in the dialect's decimal mark when it is a number; any other text as typed.
std::string InputCell(const std::string& text, CsvDialect dialect) {
  if (!IsPlainNumber(text)) return CsvText(text, dialect);
  std::string cell = text;
  const char mark = dialect == CsvDialect::German ? ',' : '.';
  std::replace_if(cell.begin(), cell.end(), [](char c) { return c == ',' || c == '.'; }, mark);
  return cell;
}

std::string JsonString(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Shortest exact form, null for a stage not reached.
std::string JsonNumber(double value) {
  return std::isfinite(value) ? CsvNumber(value, CsvDialect::Plain) : "null";
}

}  // namespace

bool StudyWriter::put(const std::string& text) {
  if (text_) {
    *text_ += text;
    return true;
  }
  // Every row is flushed, so that a study stopped half-way leaves its finished rows.
  return std::fwrite(text.data(), 1, text.size(), out_) == text.size() && std::fflush(out_) == 0;
}

bool StudyWriter::writeHeader() {
  if (layout_.format != StudyFormat::Csv) return true;
  return put(StudyHeader(layout_.variedFields, layout_.refinement, layout_.dialect));
}

std::string StudyWriter::csvRow(std::size_t number, const CaseSummary& s) const {
  const CsvDialect d = layout_.dialect;
  std::vector<std::string> cells{std::to_string(number)};
  for (Input field : layout_.variedFields) cells.push_back(InputCell(s.inputs[field], d));
  cells.push_back(RunOutcomeName(s.outcome));
  for (double v : s.values) cells.push_back(CsvNumber(v, d));
  if (layout_.refinement) {
    for (std::size_t i = 0; i < s.values.size(); ++i) {
      cells.push_back(previous_ ? CsvNumber(s.values[i] - (*previous_)[i], d) : std::string());
    }
  }
  cells.push_back(CsvText(JoinedMessages(s.messages), d));
  return CsvRow(cells, d);
}

std::string StudyWriter::jsonRow(std::size_t number, const CaseSummary& s) const {
  std::string row = std::string("{\"") + (layout_.refinement ? "level" : "case") + "\":" + std::to_string(number) +
                    ",\"inputs\":{";
  for (std::size_t i = 0; i < layout_.variedFields.size(); ++i) {
    const Input field = layout_.variedFields[i];
    row += (i ? "," : "") + JsonString(FieldOf(field).box) + ":" + JsonString(s.inputs[field]);
  }
  row += "},\"outcome\":" + JsonString(RunOutcomeName(s.outcome)) + ",\"results\":{";
  for (std::size_t i = 0; i < s.values.size(); ++i) {
    const StudyQuantity& q = StudyQuantities()[i];
    row += (i ? "," : "") + JsonString(q.result->key) + ":{\"value\":" + JsonNumber(s.values[i]) +
           ",\"unit\":" + JsonString(q.unit);
    if (layout_.refinement) row += ",\"change\":" + JsonNumber(previous_ ? s.values[i] - (*previous_)[i] : NAN);
    row += "}";
  }
  row += "},\"messages\":[";
  for (std::size_t i = 0; i < s.messages.size(); ++i) row += (i ? "," : "") + JsonString(OneLine(s.messages[i]));
  return row + "]}\n";
}

bool StudyWriter::writeRow(std::size_t number, const CaseSummary& summary) {
  const bool written = put(layout_.format == StudyFormat::Csv ? csvRow(number, summary) : jsonRow(number, summary));
  previous_ = summary.values;
  return written;
}

}  // namespace lamvero
