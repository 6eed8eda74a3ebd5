#pragma once
// The printable report of a run: A4 pages with the title, the case's project
// data, file name, the date and the program's version, the inputs, the derived
// values, the results, the water balance with its warnings, both plots of the
// window with their annotations and legends, and the charts of the Diagramme
// window with their scales, grids and legends, all drawn as vectors. The same
// layout goes into a PDF file and onto a printer.

#include <QDateTime>
#include <QString>
#include <optional>

#include "run/plantfigures.h"
#include "run/projectdata.h"
#include "run/runrecord.h"
#include "text/outcome.h"

class QPagedPaintDevice;

namespace lamvero {

struct ReportInfo {
  QString title;        // what the report is about, e.g. the case's name
  QString fileName;     // the case file; empty: not saved
  QDateTime created;    // when the report was made
  ProjectData about;    // the case's project data; the head lists those given
  bool constantAir = false;        // a laboratory test at constant air: the head says so
  std::optional<PlantData> plant;  // the plant's throughput: a block of the plant figures
};

class Report {
 public:
  Report(const RunRecord& record, ReportInfo info);

  // Lays the report out on the pages of `device` (a PDF writer or a printer
  // with its page size and margins set) and returns the number of pages, or
  // 0 if the device cannot be painted on.
  int paint(QPagedPaintDevice& device) const;

  // Writes the report as an A4 PDF file; the file appears only when it is
  // complete. A failure says which file and why.
  Status writePdf(const QString& path) const;

  // The page layout a report uses: A4 portrait with 15 mm margins.
  static void setUpPage(QPagedPaintDevice& device);

 private:
  const RunRecord& record_;
  ReportInfo info_;
};

}  // namespace lamvero
