#include "tools/batchreport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "ui/report/report.h"

namespace lamvero {

Status WriteReport(const RunRecord& record, const std::string& path, const std::string& title,
                   const std::string& caseFile) {
  const QString file = QString::fromStdString(path);
  ReportInfo info;
  info.fileName = QDir::toNativeSeparators(QString::fromStdString(caseFile));
  info.title = !title.empty()     ? QString::fromStdString(title)
               : caseFile.empty() ? QFileInfo(file).completeBaseName()
                                  : QFileInfo(info.fileName).completeBaseName();
  info.created = QDateTime::currentDateTime();
  return Report(record, info).writePdf(file);
}

}  // namespace lamvero
