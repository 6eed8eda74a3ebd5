#include "ui/diagrams/comparisontable.h"

#include <QHeaderView>
#include <cmath>
#include <optional>

#include "run/resultdescriptors.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"
#include "ui/diagrams/runlist.h"

namespace lamvero {

namespace {

// The results compared, top to bottom.
const char* const kComparedKeys[] = {
    "Zeit",           "Dauer1TA",    "DauerGegenstrom", "t1xse",       "t2xse",      "X1TA",
    "XGegen",         "Anfangsrate", "WasserdampfMax",  "schwinddiff", "schwindgrad", "ThetaZuluft",
    "spezEnergie",    "relEnergie",  "WasserfehlerProzent", "AnzOS",
};

// Two input texts mean the same ("20,0" and "20"; "abc" only itself).
bool SameInput(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const std::optional<double> x = ParseNumber(a), y = ParseNumber(b);
  return x && y && *x == *y;
}

QString ValueText(double value, const char* pattern) {
  if (!std::isfinite(value)) return QStringLiteral("–");  // the run did not reach that stage
  // Durations to the whole second, halves up, as the window's clock shows them.
  const std::string text = *pattern ? Format(value, pattern) : FormatDuration(std::floor(value + 0.5));
  return QString::fromStdString(text).trimmed();
}

// A signed amount: "+", "−" or, where it rounds to nothing, "±".
QString Signed(double d, const char* pattern) {
  const QString magnitude = ValueText(std::fabs(d), pattern);
  if (magnitude == ValueText(0, pattern) || d == 0) return QStringLiteral("±") + magnitude;
  return (d > 0 ? QStringLiteral("+") : QStringLiteral("−")) + magnitude;
}

}  // namespace

ComparisonTable::ComparisonTable(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("tbl_Vergleich"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setAlternatingRowColors(true);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

QString ComparisonTable::DifferenceText(double value, double reference, bool duration, const char* pattern) {
  const double d = value - reference;
  if (!std::isfinite(d)) return QString();
  QString text = Signed(d, duration ? "" : pattern);
  if (reference != 0) text += QStringLiteral(" (%1 %)").arg(Signed(100 * d / reference, "#0.0"));
  return text;
}

int ComparisonTable::rowOf(const QString& key) const {
  for (int r = 0; r < rowCount(); ++r) {
    if (const QTableWidgetItem* h = verticalHeaderItem(r); h && h->data(Qt::UserRole).toString() == key) return r;
  }
  return -1;
}

namespace {

// Inputs in which the shown runs differ: what makes them different cases.
std::vector<const InputField*> DifferingInputs(const std::vector<const RunEntry*>& runs) {
  std::vector<const InputField*> differing;
  for (const InputField& f : InputFields()) {
    for (const RunEntry* run : runs) {
      if (!SameInput(run->record->inputs[f.id], runs.front()->record->inputs[f.id])) {
        differing.push_back(&f);
        break;
      }
    }
  }
  return differing;
}

// An input as each run had it, in bold where it differs from the reference.
void ShowInputRow(QTableWidget& table, int row, const InputField& f, const std::vector<const RunEntry*>& runs,
                  const RunEntry* reference) {
  auto* header = new QTableWidgetItem(QString::fromStdString(Tr("Eingabefelder", f.caption)));
  header->setData(Qt::UserRole, QString::fromLatin1(f.box));
  table.setVerticalHeaderItem(row, header);
  for (int c = 0; c < table.columnCount(); ++c) {
    const RunEntry* run = runs[static_cast<std::size_t>(c)];
    auto* item = new QTableWidgetItem(QString::fromStdString(ShownInputText(run->record->inputs[f.id])));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (reference && run != reference && !SameInput(run->record->inputs[f.id], reference->record->inputs[f.id])) {
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
    }
    table.setItem(row, c, item);
  }
}

// A result of each run, with its difference from the reference.
void ShowResultRow(QTableWidget& table, int row, const ResultDescriptor& r, const std::vector<const RunEntry*>& runs,
                   const RunEntry* reference) {
  auto* header = new QTableWidgetItem(QString::fromStdString(Tr("Ergebnisse", r.fullCaption())));
  header->setData(Qt::UserRole, QString::fromLatin1(r.key));
  table.setVerticalHeaderItem(row, header);
  const double ref = reference ? r.value(*reference->record) : NAN;
  for (int c = 0; c < table.columnCount(); ++c) {
    const RunEntry* run = runs[static_cast<std::size_t>(c)];
    const double value = r.value(*run->record);
    QString text = ValueText(value, r.pattern);
    auto* item = new QTableWidgetItem;
    item->setData(ComparisonTable::kValueRole, value);
    if (reference && run != reference && std::isfinite(value) && std::isfinite(ref)) {
      text += QStringLiteral("   ") + ComparisonTable::DifferenceText(value, ref, r.isDuration(), r.pattern);
      item->setData(ComparisonTable::kDifferenceRole, value - ref);
    }
    item->setText(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table.setItem(row, c, item);
  }
}

}  // namespace

void ComparisonTable::showRuns(const std::vector<const RunEntry*>& runs, const RunEntry* reference) {
  clear();
  setColumnCount(static_cast<int>(runs.size()));
  for (int c = 0; c < columnCount(); ++c) {
    const RunEntry* run = runs[static_cast<std::size_t>(c)];
    auto* header = new QTableWidgetItem(run == reference ? run->shownName() + tr(" (Bezug)") : run->shownName());
    header->setForeground(run->color);
    setHorizontalHeaderItem(c, header);
  }
  const std::vector<const InputField*> differing = DifferingInputs(runs);
  setRowCount(static_cast<int>(differing.size() + std::size(kComparedKeys)));
  int row = 0;
  for (const InputField* f : differing) ShowInputRow(*this, row++, *f, runs, reference);
  for (const char* key : kComparedKeys) ShowResultRow(*this, row++, ResultOf(key), runs, reference);
}

}  // namespace lamvero
