#pragma once
// The runs the diagrams window compares: the last runs of the session (at
// most kMaxSessionRuns, the oldest dropped first) and the case files the user
// loaded, each with its label, colour and whether it is shown, and at most
// one reference run that the others are compared against.

#include <QColor>
#include <QString>
#include <memory>
#include <vector>

#include "run/runrecord.h"

namespace lamvero {

struct RunEntry {
  int id = 0;                               // unique for the session; never reused
  QString label;                            // "Lauf 3", a file's name
  std::shared_ptr<const RunRecord> record;  // shared with the charts that draw it
  bool fromFile = false;                    // loaded from a case file (kept however many runs follow)
  bool constantAir = false;                 // a laboratory test at constant air
  QColor color;                             // its curves and its column
  bool selected = true;                     // drawn and listed in the table
  // Whether the record holds curves to draw (a file saved without its series does not).
  bool hasSeries() const { return record && record->series.points() >= 2; }
  // The label as lists, legends and tables show it: a run stopped before its
  // evaluation says so, "Lauf 3 (angehalten, ungeglättet)".
  QString shownName() const;
};

class RunList {
 public:
  static constexpr int kMaxSessionRuns = 8;

  // Appends the run, shown, in the first colour no other entry uses; a ninth
  // session run drops the oldest one. Returns the new entry's id, or 0 and
  // lists nothing if the record holds no run: its inputs were refused.
  int add(RunRecord record, const QString& label, bool fromFile, bool constantAir);
  // False if there is no such entry. Removing the reference leaves none.
  bool remove(int id);

  const std::vector<RunEntry>& entries() const { return entries_; }
  const RunEntry* find(int id) const;
  void setSelected(int id, bool selected);
  // Gives the entry another label; false if there is no such entry.
  bool rename(int id, const QString& label);
  // The shown entries, in list order.
  std::vector<const RunEntry*> selected() const;

  // The run the table compares against; 0 for none.
  int referenceId() const { return referenceId_; }
  void setReference(int id);

  // The palette the colours are taken from, in order.
  static const std::vector<QColor>& Palette();

 private:
  QColor freeColor() const;

  std::vector<RunEntry> entries_;
  int nextId_ = 1;
  int referenceId_ = 0;
};

}  // namespace lamvero
