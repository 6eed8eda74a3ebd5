#pragma once
// Every result of a run that is shown, written or compared, one row each, in
// the order of the window's result rows: its key, its caption, its unit, how
// to read it from a record in that unit, the window row that shows it and how
// it is written as text. The window's rows, the runner's JSON, the case file's
// results table, the CSV export, the report, the comparison table and the
// studies all read this one table; a consumer that shows only some results
// names them by key.

#include <string>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

struct ResultDescriptor {
  const char* key;      // stable machine name, the record's member: "Dauer1TA"
  const char* label;    // the label of its window row, "lbl_Dauer1TA"; "" if the window has no row for it
  const char* box;      // the box of that row, "txt_Dauer1TA"; "" if none
  // The label's caption as the window shows it (trailing blanks and all); for
  // a result without a row, the name the tables give it. German: captions,
  // long captions, the units that are words ("% pro mm", "Vol.-%") and the
  // column captions are in the catalogue under the context "Ergebnisse" as
  // they stand here (trailing blanks and all); a window looks them up with
  // Tr("Ergebnisse", text) and trims afterwards. Files keep the German.
  const char* caption;
  const char* unit;     // unit of value: "s" (a duration), "kg/kg", "°C", "%", "% pro mm", "kJ/kg", "1", ...
  // The value in that unit; NaN where the run did not reach that stage.
  double (*value)(const RunRecord& record);
  // How the window writes the final value ("#0.0000"); "" for a duration
  // (h:mm:ss) and for a result no window or table writes as text.
  const char* pattern;
  // The caption where a table has room for a full one (the comparison
  // table), where it differs from caption: "Dauer des 1. Trocknungsabschnitts
  // in h:mm:ss"; "" if it does not.
  const char* longCaption;

  bool isDuration() const;            // unit "s", written as h:mm:ss
  const char* fullCaption() const;    // longCaption, or else caption
  std::string tableCaption() const;   // caption without trailing blanks, as tables write it
  // What the result is, without its unit, as a table that gives the unit in a
  // column of its own names it: the full caption up to " in <unit>"
  // ("Wasserbeladung nach dem 1. TA"). No two results share it.
  std::string name() const;
  // The unit as the full caption writes it ("kg/kg atro", "h:mm:ss"); the
  // result's unit where the caption names none, "–" for a pure number.
  std::string captionUnit() const;
  // name() and captionUnit() in the user's language.
  std::string shownName() const;
  std::string shownCaptionUnit() const;
  // The value as the window writes it: in the row's pattern, a duration as
  // h:mm:ss (no leading blank), a result without a pattern to six significant
  // digits; the decimal separator of the language. Empty for a value the run did not reach.
  std::string shownText(double amount) const;
  // The value as a spreadsheet cell in the precision the window shows it:
  // shownText, but a duration in whole seconds (rounded as h:mm:ss rounds them).
  std::string shownNumber(double amount) const;
};

// The columns of a table of results, one row per result, in the order of the
// results CSV; the clipboard's table takes some of them.
enum class ResultCell {
  Name,   // name()
  Value,  // shownNumber()
  Unit,   // unit
  Shown,  // the text the window showed
  Exact,  // the value with every digit, read back to the same double
  Key,    // key
};
struct ResultColumn {
  ResultCell cell;
  const char* key;      // the column's machine name: "value"
  const char* caption;  // its header: "Wert"
};
const std::vector<ResultColumn>& ResultColumns();
const char* ResultColumnCaption(ResultCell cell);

// The whole table, in the order of the window's rows; the results without a row last.
const std::vector<ResultDescriptor>& ResultDescriptors();

// The row of that key, or of that window box ("txt_Dauer1TA"); nullptr if none.
const ResultDescriptor* FindResult(const std::string& key);
const ResultDescriptor* FindResultOfBox(const std::string& box);

// The text the window showed for that result, if the run left its box
// visible; nullptr otherwise.
const std::string* ShownText(const RunRecord& record, const ResultDescriptor& result);

// The row of a key a consumer names; a key the table lacks is a fault of the program.
const ResultDescriptor& ResultOf(const std::string& key);

}  // namespace lamvero
