#pragma once
// The calculation the window holds, as a document: the file it came from or
// was saved to, the input texts as last saved, the project data (title,
// project, customer, author, comment), and the run whose results the window shows (the latest run, or the
// run read from the file). Opening, saving and exporting go through here;
// asking the user is left to the menu (ui/filemenu.h).

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "files/casefile.h"
#include "text/csvformat.h"
#include "text/outcome.h"
#include "run/dryingrun.h"

namespace lamvero {

class ConstantAirBox;
class MainWindow;

class CaseDocument : public QObject {
  Q_OBJECT
 public:
  explicit CaseDocument(MainWindow& area, QObject* parent = nullptr);

  const QString& path() const { return path_; }  // empty until opened or saved
  QString displayName() const;                   // the file name, or "Unbenannt"
  // What the case is about, as the case file keeps it; any field may be empty.
  const ProjectData& about() const { return about_; }
  void setAbout(const ProjectData& about);
  // Whether the input texts, the air balance, the laboratory test, the plant
  // data, the project data or the measured curve differ from those last opened or saved.
  bool isModified() const;
  // The case's air balance, which the window's next runs use.
  AirIntegration airIntegration() const;
  void setAirIntegration(AirIntegration choice);
  // A laboratory test at constant air: the counter-current end box follows the exhaust temperature.
  bool constantAir() const;
  void setConstantAir(bool on);
  // The plant's throughput, when the user gave it (checked by PlantDataProblem).
  const std::optional<PlantData>& plant() const { return plant_; }
  void setPlant(const std::optional<PlantData>& plant);
  // The run the window shows the results of, if any.
  const std::optional<CaseRun>& run() const { return run_; }
  // Whether that run was made with the inputs the boxes hold now (only then is it saved with them).
  bool runMatchesInputs() const;
  // The inputs whose texts differ from those that run was made with; none without a run.
  std::vector<Input> inputsChangedSinceRun() const;
  // Whether saving writes the run's time series too.
  bool withSeries() const { return withSeries_; }
  void setWithSeries(bool on);
  // The measured drying curve the case keeps (saved in its file), if any.
  const std::optional<MeasuredCurve>& measured() const { return measured_; }
  // Another curve, or none; the case is then modified until saved.
  void setMeasured(std::optional<MeasuredCurve> curve);
  // Keeps an accuracy estimate with the run (which must exist); saving writes it.
  void setAccuracy(const AccuracyEstimate& estimate);

  // A failure says what went wrong and changes nothing.
  void newCase();                      // default texts, no file, no run
  // Shows the inputs and any stored results. A run that does not belong to
  // the file's inputs (edited by hand) is left out; the note says so, naming
  // the inputs. The note is empty when the file opened as it was saved.
  Outcome<std::string> open(const QString& path);
  Status saveAs(const QString& path);  // becomes the document's file
  Status exportSeries(const QString& path, CsvDialect dialect, int every) const;
  Status exportResults(const QString& path, CsvDialect dialect) const;

 signals:
  void changed();  // file, modified state or run
  void opened();   // a case file was opened; run() is the one it holds, if any
  void runChanged();  // run() is another run, or none
  void measuredChanged();  // measured() is another curve, or none

 private:
  void onRunEnded(const RunResult& result);
  void setSaved(const QString& path, const CaseFile& file);

  MainWindow& area_;
  QString path_;
  InputTexts savedInputs_ = InputTexts::Defaults();
  AirIntegration savedAir_ = AirIntegration::Standard;
  ConstantAirBox* constantAir_ = nullptr;
  bool savedConstantAir_ = false;
  std::optional<PlantData> plant_, savedPlant_;
  ProjectData about_, savedAbout_;
  std::optional<CaseRun> run_;
  std::optional<MeasuredCurve> measured_, savedMeasured_;
  bool withSeries_ = false;
};

}  // namespace lamvero
