#include "ui/shell/casedocument.h"

#include <QFileInfo>
#include <QLineEdit>

#include "disk/casefiles.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/constantairbox.h"

namespace lamvero {

CaseDocument::CaseDocument(MainWindow& area, QObject* parent) : QObject(parent), area_(area) {
  savedInputs_ = area_.inputs();
  constantAir_ = new ConstantAirBox(area_, this);
  connect(&area_, &MainWindow::runEnded, this, &CaseDocument::onRunEnded);
  for (const InputField& f : InputFields()) {
    if (auto* box = area_.findChild<QLineEdit*>(QString::fromLatin1(f.box))) {
      connect(box, &QLineEdit::textChanged, this, &CaseDocument::changed);
    }
  }
}

QString CaseDocument::displayName() const {
  return path_.isEmpty() ? tr("Unbenannt") : QFileInfo(path_).fileName();
}

bool CaseDocument::isModified() const {
  return !ChangedInputs(savedInputs_, area_.inputs()).empty() || airIntegration() != savedAir_ ||
         constantAir() != savedConstantAir_ || plant_ != savedPlant_ || about_ != savedAbout_ ||
         !(measured_ == savedMeasured_);
}

void CaseDocument::setMeasured(std::optional<MeasuredCurve> curve) {
  if (curve == measured_) return;
  measured_ = std::move(curve);
  emit measuredChanged();
  emit changed();
}

void CaseDocument::setAbout(const ProjectData& about) {
  if (about == about_) return;
  about_ = about;
  emit changed();
}

AirIntegration CaseDocument::airIntegration() const { return area_.runController().airIntegration(); }

void CaseDocument::setAirIntegration(AirIntegration choice) {
  if (choice == airIntegration()) return;
  area_.runController().setAirIntegration(choice);
  emit changed();
}

bool CaseDocument::constantAir() const { return constantAir_->on(); }

void CaseDocument::setConstantAir(bool on) {
  if (on == constantAir()) return;
  constantAir_->set(on);
  emit changed();
}

void CaseDocument::setPlant(const std::optional<PlantData>& plant) {
  if (plant == plant_) return;
  plant_ = plant;
  emit changed();
}

bool CaseDocument::runMatchesInputs() const { return run_ && inputsChangedSinceRun().empty(); }

std::vector<Input> CaseDocument::inputsChangedSinceRun() const {
  if (!run_) return {};
  return ChangedInputs(run_->record.inputs, area_.inputs());
}

void CaseDocument::setWithSeries(bool on) {
  if (withSeries_ == on) return;
  withSeries_ = on;
  emit changed();
}

void CaseDocument::setSaved(const QString& path, const CaseFile& file) {
  path_ = path;
  savedInputs_ = file.inputs;
  savedAir_ = file.airIntegration;
  savedConstantAir_ = file.constantAir;
  savedPlant_ = file.plant;
  savedAbout_ = about_;
  savedMeasured_ = measured_;
  area_.runController().setAirIntegration(file.airIntegration);
}

void CaseDocument::onRunEnded(const RunResult& result) {
  if (result.outcome == RunOutcome::Refused) return;  // the record is still the earlier run's
  run_ = CaseRunOf(area_.lastRun(), RunDateNow(), ProgramName().toStdString());
  emit runChanged();
  emit changed();
}

void CaseDocument::setAccuracy(const AccuracyEstimate& estimate) {
  run_->accuracy = estimate;
  emit changed();
}

void CaseDocument::newCase() {
  const CaseFile empty;
  about_ = ProjectData{};
  measured_.reset();
  plant_.reset();
  setSaved(QString(), empty);
  run_.reset();
  withSeries_ = false;
  constantAir_->reset(false);
  area_.setInputs(empty.inputs);
  area_.showOpeningState();
  emit runChanged();
  emit measuredChanged();
  emit changed();
}

Outcome<std::string> CaseDocument::open(const QString& path) {
  Outcome<CaseFile> read = ReadCaseFile(path);
  if (!read) return read.failure();
  CaseFile file = std::move(read).value();
  std::string note;
  if (const std::vector<Input> differing = InputsNotOfRun(file); !differing.empty()) {
    // Results beside inputs they were not computed from would be read as theirs.
    note = tr("Die Rechnung in „%1“ gehört nicht zu den Eingaben der Datei; diese wurden nach der Rechnung "
              "geändert: %2. Geöffnet sind die Eingaben ohne die Ergebnisse; Start rechnet mit ihnen neu.")
               .arg(QFileInfo(path).fileName(), QString::fromStdString(InputCaptions(differing)))
               .toStdString();
    file.run.reset();
  }
  about_ = std::move(file.about);
  measured_ = std::move(file.measured);
  plant_ = file.plant;
  setSaved(QFileInfo(path).absoluteFilePath(), file);
  run_ = std::move(file.run);
  withSeries_ = run_ && run_->hasSeries();
  constantAir_->reset(false);
  area_.setInputs(file.inputs);
  constantAir_->reset(file.constantAir);
  if (run_) {
    area_.showRecord(run_->record);
  } else {
    area_.showOpeningState();
  }
  emit runChanged();
  emit measuredChanged();
  emit changed();
  emit opened();
  return note;
}

Status CaseDocument::saveAs(const QString& path) {
  CaseFile file;
  file.inputs = area_.inputs();
  file.about = about_;
  file.airIntegration = airIntegration();
  file.measured = measured_;
  file.constantAir = constantAir();
  file.plant = plant_;
  // Results belong to the inputs they were computed from.
  if (runMatchesInputs()) file.run = run_;
  const Status saved = SaveCaseFile(path, file, withSeries_);
  if (!saved) return saved;
  setSaved(QFileInfo(path).absoluteFilePath(), file);
  emit changed();
  return Done{};
}

Status CaseDocument::exportSeries(const QString& path, CsvDialect dialect, int every) const {
  if (!run_ || !run_->hasSeries()) return Failure{"", tr("Es gibt keine Zeitreihen: erst eine Rechnung starten.").toStdString()};
  return SaveSeriesCsv(path, run_->record.series, dialect, every);
}

Status CaseDocument::exportResults(const QString& path, CsvDialect dialect) const {
  if (!run_) return Failure{"", tr("Es gibt keine Ergebnisse: erst eine Rechnung starten.").toStdString()};
  return SaveResultsCsv(path, run_->record, dialect);
}

}  // namespace lamvero
