#include "ui/shell/outdatedresults.h"

#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/statuslines.h"

namespace lamvero {

OutdatedResults::OutdatedResults(CaseDocument& document, MainWindow& area, StatusLines& status, QObject* parent)
    : QObject(parent), document_(document), area_(area), status_(status) {
  // The document changes with every input text, every run's end and every file opened.
  connect(&document_, &CaseDocument::changed, this, &OutdatedResults::update);
  connect(&area_.runController(), &RunController::phaseChanged, this, &OutdatedResults::update);
  update();
}

QString OutdatedResults::Message(const std::vector<Input>& changed) {
  return tr("Eingaben geändert seit der Rechnung: %1; Ergebnisse veraltet")
      .arg(QString::fromStdString(InputCaptions(changed)));
}

void OutdatedResults::update() {
  const bool shown = area_.showsRun() && !area_.runController().active();
  const std::vector<Input> changed = shown ? document_.inputsChangedSinceRun() : std::vector<Input>{};
  area_.setResultsOutdated(!changed.empty());
  status_.set(QLatin1String(kLine), changed.empty() ? QString() : Message(changed));
}

}  // namespace lamvero
