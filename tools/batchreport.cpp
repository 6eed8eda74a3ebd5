#include "tools/batchreport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "ui/report/report.h"

namespace lamvero {

bool WriteReport(const RunRecord& record, const std::string& path, const std::string& title,
                 const std::string& caseFile, std::string* error) {
  const QString file = QString::fromStdString(path);
  ReportInfo info;
  info.fileName = QDir::toNativeSeparators(QString::fromStdString(caseFile));
  info.title = !title.empty()     ? QString::fromStdString(title)
               : caseFile.empty() ? QFileInfo(file).completeBaseName()
                                  : QFileInfo(info.fileName).completeBaseName();
  info.created = QDateTime::currentDateTime();
  QString message;
  if (Report(record, info).writePdf(file, &message)) return true;
  if (error) *error = message.toStdString();
  return false;
}

}  // namespace lamvero
