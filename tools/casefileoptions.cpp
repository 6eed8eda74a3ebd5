#include "tools/casefileoptions.h"

#include <QDir>
#include <QFileInfo>
#include <CLI/CLI.hpp>

#include "ui/shell/casefiles.h"

namespace lamvero {

void CaseFileOptions::registerWith(CLI::App& app) {
  app.add_option("--inputs", inputsPath,
                 "Eingaben aus einer Falldatei (NAME.lamvero); txt_Name=TEXT ändert sie danach");
  app.add_option("--save", savePath, "den Fall mit dem Lauf als Falldatei (NAME.lamvero) speichern");
  app.add_flag("--with-series", withSeries, "mit --save: die Zeitreihen mitspeichern (viele MB)");
  app.add_option("--csv-dialect", csvDialect,
                 "Format von --series und von Studien: plain (Dezimalpunkt, Komma) oder de (Dezimalkomma, Semikolon)")
      ->check(CLI::IsMember({"plain", "de"}));
  app.add_option("--every", every, "mit --series: jeden n-ten Zeitschritt (erster und letzter stehen immer drin)")
      ->check(CLI::Range(1, kSeriesCapacity));
}

CsvDialect CaseFileOptions::dialect() const { return CsvDialectNamed(csvDialect).value_or(CsvDialect::Plain); }

std::optional<OutputProblem> CheckOutputPaths(const std::vector<OutputPath>& outputs) {
  std::vector<std::pair<QString, const OutputPath*>> seen;
  for (const OutputPath& o : outputs) {
    if (o.path.empty()) return OutputProblem{o.option + ": der Dateiname ist leer.", true};
    if (o.path == "-") continue;
    const QFileInfo file(QString::fromStdString(o.path));
    const QString absolute = file.absoluteFilePath();
    for (const auto& [other, by] : seen) {
      if (other == absolute) {
        return OutputProblem{o.option + " und " + by->option + " schreiben beide in " + o.path + ".", true};
      }
    }
    seen.emplace_back(absolute, &o);
    const std::string cannot = o.option + ": " + o.path + " kann nicht geschrieben werden: ";
    if (file.isDir()) return OutputProblem{cannot + "das ist ein Ordner."};
    // A file is saved by writing a new one and renaming it over the old: a
    // device or a pipe (/dev/full, a FIFO) would be replaced, not written to.
    if (file.exists() && !file.isFile()) return OutputProblem{cannot + "das ist keine gewöhnliche Datei."};
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return OutputProblem{cannot + "den Ordner " + folder.filePath().toStdString() + " gibt es nicht."};
    if (file.exists() && !file.isWritable()) return OutputProblem{cannot + "die Datei ist schreibgeschützt."};
    if (!folder.isWritable()) return OutputProblem{cannot + "der Ordner ist schreibgeschützt."};
  }
  return std::nullopt;
}

std::optional<CaseFile> LoadCaseInputs(const std::string& path, std::string& error) {
  CaseFile file;
  const QString problem = ReadCaseFile(QString::fromStdString(path), file);
  if (!problem.isEmpty()) {
    error = problem.toStdString();
    return std::nullopt;
  }
  return file;
}

}  // namespace lamvero
