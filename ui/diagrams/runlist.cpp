#include "ui/diagrams/runlist.h"

#include <algorithm>

#include "inputs/inputcheck.h"
#include "present/runcurves.h"

namespace lamvero {

QString RunEntry::shownName() const {
  return record ? label + QString::fromStdString(UnevaluatedSuffix(*record)) : label;
}

const std::vector<QColor>& RunList::Palette() {
  // Ten colours that stay apart on white, on a projector and for most colour-blind readers.
  static const std::vector<QColor> colors{
      QColor(0, 114, 178),   QColor(213, 94, 0),   QColor(0, 158, 115),  QColor(204, 121, 167),
      QColor(86, 180, 233),  QColor(230, 159, 0),  QColor(0, 0, 0),      QColor(170, 40, 40),
      QColor(120, 120, 120), QColor(110, 80, 160),
  };
  return colors;
}

QColor RunList::freeColor() const {
  const std::vector<QColor>& palette = Palette();
  for (const QColor& c : palette) {
    const bool used = std::any_of(entries_.begin(), entries_.end(), [&](const RunEntry& e) { return e.color == c; });
    if (!used) return c;
  }
  // More entries than colours (many files loaded): reuse them in turn.
  return palette[static_cast<std::size_t>(nextId_) % palette.size()];
}

int RunList::add(RunRecord record, const QString& label, bool fromFile, bool constantAir) {
  // A refused run computed nothing; a record whose inputs the check refuses cannot be the run of them.
  if (record.outcome == RunOutcome::Refused || !CheckInputs(record.inputs).empty()) return 0;
  if (!fromFile) {
    const auto isSession = [](const RunEntry& e) { return !e.fromFile; };
    if (std::count_if(entries_.begin(), entries_.end(), isSession) >= kMaxSessionRuns) {
      remove(std::find_if(entries_.begin(), entries_.end(), isSession)->id);
    }
  }
  RunEntry e;
  e.id = nextId_;
  e.label = label;
  e.record = std::make_shared<const RunRecord>(std::move(record));
  e.fromFile = fromFile;
  e.constantAir = constantAir;
  e.color = freeColor();
  ++nextId_;
  entries_.push_back(std::move(e));
  return entries_.back().id;
}

bool RunList::remove(int id) {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [id](const RunEntry& e) { return e.id == id; });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  if (referenceId_ == id) referenceId_ = 0;
  return true;
}

const RunEntry* RunList::find(int id) const {
  for (const RunEntry& e : entries_) {
    if (e.id == id) return &e;
  }
  return nullptr;
}

void RunList::setSelected(int id, bool selected) {
  for (RunEntry& e : entries_) {
    if (e.id == id) e.selected = selected;
  }
}

bool RunList::rename(int id, const QString& label) {
  for (RunEntry& e : entries_) {
    if (e.id == id) {
      e.label = label;
      return true;
    }
  }
  return false;
}

std::vector<const RunEntry*> RunList::selected() const {
  std::vector<const RunEntry*> shown;
  for (const RunEntry& e : entries_) {
    if (e.selected) shown.push_back(&e);
  }
  return shown;
}

void RunList::setReference(int id) { referenceId_ = find(id) ? id : 0; }

}  // namespace lamvero
