#include "tools/batchreport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "ui/report/report.h"

namespace lamvero {

Status WriteReport(const RunRecord& record, const std::string& path, const CaseFile& subject,
                   const std::string& caseFile) {
  const ProjectData& about = subject.about;
  const QString file = QString::fromStdString(path);
  ReportInfo info;
  info.fileName = QDir::toNativeSeparators(QString::fromStdString(caseFile));
  info.about = about;
  info.constantAir = subject.constantAir;
  info.plant = subject.plant;
  info.title = !about.title.empty() ? QString::fromStdString(about.title)
               : caseFile.empty() ? QFileInfo(file).completeBaseName()
                                  : QFileInfo(info.fileName).completeBaseName();
  info.created = QDateTime::currentDateTime();
  return Report(record, info).writePdf(file);
}

}  // namespace lamvero
