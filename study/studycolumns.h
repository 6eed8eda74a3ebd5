#pragma once
// The columns of a study's table, as every table Lamvero writes names them:
// a first header line with what a reader sees (the caption and the unit,
// "Anfangsdicke der Platte in mm", "Dauer des 1. Trocknungsabschnitts in h")
// and a second with the machine names ("txt_Dicke", "Dauer1TA"). The runner,
// the merge of its parts, the reader of its output and the Studie window's
// export all take the header from here.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "inputs/inputs.h"
#include "study/casesummary.h"
#include "text/csvformat.h"

namespace lamvero {

// The caption of a key result's column: its name and the unit the study
// writes it in ("Trocknungsdauer in h"); the name alone for a pure number.
std::string StudyQuantityCaption(const StudyQuantity& quantity);

// In column order: the case (or the refinement level), the varied inputs, the
// outcome, the key results (a refinement adds their changes from the level
// before), the messages.
std::vector<CsvColumnName> StudyColumns(const std::vector<Input>& variedFields, bool refinement);

// The same columns with their captions in the user's language, for a window
// to show; files take StudyColumns.
std::vector<CsvColumnName> ShownStudyColumns(const std::vector<Input>& variedFields, bool refinement);

// Both header lines, with the byte-order mark of the German dialect.
std::string StudyHeader(const std::vector<Input>& variedFields, bool refinement, CsvDialect dialect);

// The single header line older versions wrote (machine names, a result with its
// unit in brackets: "Dauer1TA [h]"), without its line feed. Read back, never written.
std::string OldStudyHeaderLine(const std::vector<Input>& variedFields, bool refinement, CsvDialect dialect);

// Whether a line is a header line of machine names: it starts with the first
// column's ("case", "level"). The second line of a study's header, or the
// only one of the older header.
bool IsStudyKeyLine(std::string_view line);

}  // namespace lamvero
