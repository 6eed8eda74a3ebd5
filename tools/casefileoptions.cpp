#include "tools/casefileoptions.h"

#include <QDir>
#include <QFileInfo>
#include <CLI/CLI.hpp>

#include "run/runrecord.h"
#include "text/language.h"
#include "tools/fileidentity.h"
#include "tools/optionerrors.h"

namespace lamvero {

void CaseFileOptions::registerWith(CLI::App& app) {
  app.add_option("--inputs", inputsPath,
                 Tr("lamvero-batch", "Eingaben aus einer Falldatei (NAME.lamvero); txt_Name=TEXT ändert sie danach"));
  app.add_option("--save", savePath,
                 Tr("lamvero-batch", "den Fall mit dem Lauf als Falldatei (NAME.lamvero) speichern"));
  app.add_flag("--with-series", withSeries, Tr("lamvero-batch", "mit --save: die Zeitreihen mitspeichern (viele MB)"));
  app.add_option("--csv-dialect", csvDialect,
                 Tr("lamvero-batch", "Format von --series und von Studien: plain (Dezimalpunkt, Komma) oder de "
                                     "(Dezimalkomma, Semikolon)"))
      ->check(OneOfWords({"plain", "de"}));
  app.add_option("--every", every,
                 Tr("lamvero-batch", "mit --series: jeden n-ten Zeitschritt (erster und letzter stehen immer drin)"))
      ->check(WholeNumberBetween(1, kSeriesCapacity));
}

CsvDialect CaseFileOptions::dialect() const { return CsvDialectNamed(csvDialect).value_or(CsvDialect::Plain); }

Status OutputPathUsable(const OutputPath& output, const std::vector<OutputPath>& earlier,
                        const std::vector<OutputPath>& inputs) {
  if (output.path.empty()) return Failure{output.option, Tr("lamvero-batch", "der Dateiname ist leer.")};
  const std::optional<FileIdentity> file = FileIdentity::Of(output.path);
  if (!file) return Done{};  // stdout on a terminal, a pipe or a device
  const auto same = [&](const OutputPath& other) {
    if (output.path == "-" && other.path == "-") return false;  // stdout once, as --series - or the rows
    const std::optional<FileIdentity> otherFile = FileIdentity::Of(other.path);
    return otherFile && *otherFile == *file;
  };
  for (const OutputPath& other : earlier) {
    if (same(other)) {
      const std::string& path = output.path == "-" ? other.path : output.path;
      return Failure{"", Filled(Tr("lamvero-batch", "%1 und %2 schreiben beide in %3."), {output.option, other.option, path})};
    }
  }
  for (const OutputPath& input : inputs) {
    if (input.path != "-" && same(input)) {  // "-" as an input is stdin
      return Failure{"", Filled(Tr("lamvero-batch", "%1 würde die Eingabe von %2 überschreiben: beide nennen %3."),
                                {output.option, input.option, input.path})};
    }
  }
  return Done{};
}

Status OutputPathWritable(const OutputPath& output) {
  if (output.path == "-") return Done{};
  const QFileInfo file(QString::fromStdString(output.path));
  const std::string cannot =
      Filled(Tr("lamvero-batch", "%1: %2 kann nicht geschrieben werden"), {output.option, output.path});
  if (file.isDir()) return Failure{cannot, Tr("lamvero-batch", "das ist ein Ordner.")};
  // A file is saved by writing a new one and renaming it over the old: a
  // device or a pipe (/dev/full, a FIFO) would be replaced, not written to.
  if (file.exists() && !file.isFile()) return Failure{cannot, Tr("lamvero-batch", "das ist keine gewöhnliche Datei.")};
  const QFileInfo folder(file.absolutePath());
  if (!folder.isDir()) {
    return Failure{cannot, Filled(Tr("lamvero-batch", "den Ordner %1 gibt es nicht."), {folder.filePath().toStdString()})};
  }
  if (file.exists() && !file.isWritable()) return Failure{cannot, Tr("lamvero-batch", "die Datei ist schreibgeschützt.")};
  if (!folder.isWritable()) return Failure{cannot, Tr("lamvero-batch", "der Ordner ist schreibgeschützt.")};
  return Done{};
}

}  // namespace lamvero
