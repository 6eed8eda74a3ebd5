#pragma once
// The key results of the shown runs side by side, one column per run, and
// above them the inputs in which the runs differ. With a reference run, every
// other run's result carries its difference to the reference, absolute and
// relative.

#include <QTableWidget>
#include <vector>

namespace lamvero {

struct RunEntry;

class ComparisonTable : public QTableWidget {
  Q_OBJECT
 public:
  // The role under which a result cell holds the difference to the reference
  // (value − reference, durations in s), where there is one.
  static constexpr int kDifferenceRole = Qt::UserRole + 1;
  // The role under which a result cell holds its value, durations in s.
  static constexpr int kValueRole = Qt::UserRole;

  explicit ComparisonTable(QWidget* parent = nullptr);

  // One column per run; `reference` (one of them, or nullptr) is compared against.
  void showRuns(const std::vector<const RunEntry*>& runs, const RunEntry* reference);

  // The row of a result key ("Zeit") or input box ("txt_Dicke"); -1 if not shown.
  int rowOf(const QString& key) const;

  // "+0:42:10" or "+12,35" with the relative change "(+8,1 %)" where the reference is not 0.
  static QString DifferenceText(double value, double reference, bool duration, const char* pattern);
};

}  // namespace lamvero
