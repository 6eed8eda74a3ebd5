#include "ui/calculator/mainwindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStringList>

#include "inputs/inputcheck.h"
#include "inputs/plausibility.h"
#include "ui/calculator/annotation.h"
#include "ui/calculator/logo.h"
#include "ui/calculator/outdatedveil.h"
#include "ui/calculator/plotarea.h"
#include "ui/calculator/qtdisplay.h"
#include "ui/calculator/runcontroller.h"
#include "ui/calculator/textfit.h"
#include "present/resultplots.h"
#include "run/stepestimate.h"
#include "text/language.h"

namespace lamvero {

namespace {

int Px(int twips) { return qRound(twips / static_cast<double>(kTwipsPerPixel)); }

QRect Geometry(const ControlRow& c) { return QRect(Px(c.left), Px(c.top), Px(c.width), Px(c.height)); }

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

bool IsInputBox(const std::string& name) {
  for (const InputField& f : InputFields()) {
    if (name == f.box) return true;
  }
  return false;
}

QFont ControlFont(const ControlRow& c) {
  QFont f(QString::fromStdString(c.font));
  f.setPointSizeF(c.pointSize);
  f.setWeight(c.bold ? QFont::Bold : QFont::Normal);
  return f;
}

// Controls the Nochmal button hides: every output row and warning.
const char* const kResetHidden[] = {
    "lbl_Achtung", "lbl_Zeit", "lbl_Waermestromdichte", "lbl_Wasserdampf", "lbl_thetaOb", "lbl_Kerntemp",
    "lbl_Xmom", "lbl_Dauer1TA", "lbl_X1TA", "lbl_OberflSchwind", "lbl_SchwindDiff", "lbl_SchwindGradient",
    "lbl_KernSchwind", "lbl_Wasserfehler", "lbl_Anfangsrate", "lbl_KapGeschw", "lbl_DampfGeschw",
    "lbl_SchwindEnde", "lbl_offPoren", "lbl_Ortsschrittzahl", "lbl_ungenau1", "lbl_ungenau2", "lbl_ungenau3",
    "lbl_LuftRohlingVerh", "lbl_LuftWasserVerh", "lbl_momLuftTemp", "lbl_momXLuft", "lbl_ThetaZuluft",
    "lbl_DauerGegenstrom", "lbl_XGegen",
    "txt_Zeit", "txt_qrand", "txt_Wasserdampf", "txt_thetaOb", "txt_thetaK", "txt_xmom", "txt_Dauer1TA",
    "txt_X1TA", "txt_t1xse", "txt_schwinddiff", "txt_schwindgrad", "txt_t2xse", "txt_Wasserfehler",
    "txt_Anfangsrate", "txt_KapGeschw", "txt_Dampfgeschw", "txt_XSchwEnde", "txt_offPoren", "txt_AnzOS",
    "txt_LuftRohlingVerh", "txt_LuftWasserVerh", "txt_momLuftTemp", "txt_momXLuft", "txt_ThetaZuluft",
    "txt_DauerGegenstrom", "txt_XGegen",
    "lbl_spezEnergie", "txt_spezEnergie", "lbl_relEnergie", "txt_relEnergie",
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), state_(std::make_unique<RunState>()) {
  setObjectName(QStringLiteral("frm_Lamvero"));
  setWindowTitle(QString::fromStdString(Tr(kControlContext, kWindowCaption)));
  setWindowIcon(QIcon(Logo::Pixmap(64)));
  setFixedSize(Px(kWindowWidthTwips), Px(kWindowHeightTwips));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral(
      "QLineEdit { border: 1px solid rgb(150,150,150); padding: 0px 1px; background: white; }"
      "QLineEdit#txt_parkfocus { border: none; background: white; color: white; }"
      // An input box that does not take edits while a run uses its value.
      "QLineEdit[input=\"true\"][readOnly=\"true\"] { background: rgb(232,232,232); }"));

  for (const ControlRow& c : ControlTable()) createControl(c);
  // Tab: the input boxes in window order, then the run buttons (hidden ones are skipped).
  QWidget* previous = nullptr;
  for (const InputField& f : InputFields()) {
    auto* box = findChild<QLineEdit*>(QString::fromLatin1(f.box));
    inputBoxes_.push_back(box);
    if (previous) setTabOrder(previous, box);
    previous = box;
  }
  for (const char* name : {"cmd_Start", "cmd_Neustart", "cmd_Pause", "cmd_Weiter", "cmd_Stop"}) {
    auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
    setTabOrder(previous, button);
    previous = button;
  }
  // Captions stay clear of their text boxes and explain them as their boxes do.
  for (const ControlRow& c : ControlTable()) {
    if (c.kind != ControlKind::Label) continue;
    auto* label = findChild<QLabel*>(QString::fromStdString(c.name));
    double available = Px(c.width);
    for (const ControlRow& box : ControlTable()) {
      if (box.kind == ControlKind::TextBox && box.label == c.name) {
        available = std::min(available, Px(box.left) - Px(c.left) - 2.0);
        label->setToolTip(QString::fromStdString(ToolTipText(box)));
      }
    }
    FitLabel(*label, available);
  }
  display_ = std::make_unique<QtDisplay>(*this, *ausgabe_, *zeit_);
  controller_ = std::make_unique<RunController>(*state_, *display_);
  connect(controller_.get(), &RunController::finished, this, &MainWindow::onRunFinished);
  // Esc stops a run, also from a pause, where the Stop button is hidden.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &MainWindow::stopRun);
  createVeil();
}

// What a run shows: every text box that is not an input, and both drawing areas.
void MainWindow::createVeil() {
  std::vector<QPointer<QWidget>> covered{ausgabe_, zeit_};
  for (const ControlRow& c : ControlTable()) {
    if (c.kind == ControlKind::TextBox && !IsInputBox(c.name) && c.name != "txt_parkfocus") {
      covered.emplace_back(findChild<QWidget*>(QString::fromStdString(c.name)));
    }
  }
  veil_ = new OutdatedVeil(*this, std::move(covered));
}

void MainWindow::setResultsOutdated(bool outdated) {
  if (outdated) veil_->raise();
  veil_->setVisible(outdated);
}

bool MainWindow::resultsOutdated() const { return !veil_->isHidden(); }

MainWindow::~MainWindow() = default;

QWidget* MainWindow::makeLabel(const ControlRow& c) {
  auto* label = new QLabel(QString::fromStdString(ShownCaption(c)), this);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, ToColor(c.colour));
  if (!(c.background == Rgb{255, 255, 255})) {
    p.setColor(QPalette::Window, ToColor(c.background));
    label->setAutoFillBackground(true);
  }
  label->setPalette(p);
  return label;
}

QWidget* MainWindow::makeTextBox(const ControlRow& c) {
  auto* box = new QLineEdit(QString::fromStdString(ShownCaption(c)), this);
  box->setCursorPosition(0);
  QPalette p = box->palette();
  p.setColor(QPalette::Text, ToColor(c.colour));
  box->setPalette(p);
  if (IsInputBox(c.name)) {
    box->setProperty("input", true);
    connect(box, &QLineEdit::returnPressed, this, &MainWindow::onReturnInInput);
  } else {
    // Results can be selected and copied but not changed; the focus sink
    // takes the focus only when the program parks it there.
    box->setReadOnly(true);
    box->setFocusPolicy(c.name == "txt_parkfocus" ? Qt::NoFocus : Qt::ClickFocus);
  }
  return box;
}

QWidget* MainWindow::makeButton(const ControlRow& c) {
  QString text = QString::fromStdString(ShownCaption(c));
  if (c.mnemonic >= 0 && c.mnemonic < text.size()) text.insert(c.mnemonic, QLatin1Char('&'));
  auto* button = new QPushButton(text, this);
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoDefault(true);  // Enter presses the focused button, as Space does
  static const std::pair<const char*, void (MainWindow::*)()> kClicks[] = {
      {"cmd_Start", &MainWindow::onStart}, {"cmd_Pause", &MainWindow::onPause},
      {"cmd_Weiter", &MainWindow::onWeiter}, {"cmd_Stop", &MainWindow::onStop},
      {"cmd_Neustart", &MainWindow::onNeustart},
  };
  for (const auto& [name, slot] : kClicks) {
    if (c.name == name) connect(button, &QPushButton::clicked, this, slot);
  }
  return button;
}

void MainWindow::createControl(const ControlRow& c) {
  QWidget* w = nullptr;
  switch (c.kind) {
    case ControlKind::Label:
      w = makeLabel(c);
      break;
    case ControlKind::TextBox:
      w = makeTextBox(c);
      break;
    case ControlKind::Button:
      w = makeButton(c);
      break;
    case ControlKind::DrawingArea: {
      auto* area = new PlotArea(c.userWidth, c.userHeight, this);
      if (c.name == "pic_Ausgabe") ausgabe_ = area;
      if (c.name == "pic_Zeit") zeit_ = area;
      w = area;
      break;
    }
    case ControlKind::Picture:
      w = new Annotation(c, this);
      break;
    case ControlKind::Logo:
      w = new Logo(this);
      break;
    case ControlKind::Line:
      lines_.push_back(&c);
      return;
  }
  w->setObjectName(QString::fromStdString(c.name));
  w->setToolTip(QString::fromStdString(ToolTipText(c)));
  w->setFont(ControlFont(c));
  w->setGeometry(Geometry(c));
  if (!c.visibleAtOpen) w->hide();
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const ControlRow* c : lines_) {
    p.setPen(QPen(ToColor(c->colour), c->lineWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c->left / double(kTwipsPerPixel), c->top / double(kTwipsPerPixel)),
               QPointF((c->left + c->width) / double(kTwipsPerPixel), (c->top + c->height) / double(kTwipsPerPixel)));
  }
}

Display& MainWindow::display() { return *display_; }

void MainWindow::setControlVisible(const char* name, bool visible) { display_->setVisible(name, visible); }

void MainWindow::setInputs(const InputTexts& inputs) {
  for (const InputField& f : InputFields()) {
    if (auto* box = qobject_cast<QLineEdit*>(display_->control(f.box))) {
      box->setText(QString::fromStdString(ShownInputText(inputs[f.id])));
      box->setCursorPosition(0);
    }
  }
}

InputTexts MainWindow::inputs() const {
  InputTexts texts;
  for (const InputField& f : InputFields()) {
    if (auto* box = qobject_cast<QLineEdit*>(display_->control(f.box))) texts[f.id] = CanonicalInputText(box->text().toStdString());
  }
  return texts;
}

bool MainWindow::runStart() {
  if (controller_->active()) return false;
  QPointer<QWidget> focusBefore = focusWidget();
  // After "Nochmal !" the focus returns to the input box the user left.
  resumeFocus_ = std::find(inputBoxes_.begin(), inputBoxes_.end(), focusBefore.data()) != inputBoxes_.end()
                     ? focusBefore.data()
                     : nullptr;
  refusedFocus_ = focusBefore;
  controller_->start(inputs(), ControlAtOpen);
  emit runStarted();
  // No input box keeps the focus or takes an edit while the run uses the inputs.
  setInputsLocked(true);
  focusControl("txt_parkfocus");
  return true;
}

void MainWindow::onRunFinished(const RunResult& result) {
  setInputsLocked(false);
  if (result.outcome == RunOutcome::Refused) {
    focusRefusedInput();  // the area still shows what it showed
  } else {
    showsRun_ = true;
    focusControl("cmd_Neustart");
  }
  emit runEnded(result);
  if (closeRequested_) {
    window()->close();
    return;
  }
  report(result);
}

void MainWindow::focusRefusedInput() {
  std::vector<Input> refused;
  for (const InputProblem& p : FindInputProblems(inputs())) refused.insert(refused.end(), p.fields.begin(), p.fields.end());
  for (const InputField& f : InputFields()) {
    if (std::find(refused.begin(), refused.end(), f.id) == refused.end()) continue;
    auto* box = qobject_cast<QLineEdit*>(display_->control(f.box));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return;
  }
  if (refusedFocus_) refusedFocus_->setFocus();
}

void MainWindow::setInputsLocked(bool locked) {
  for (QLineEdit* box : inputBoxes_) {
    box->setReadOnly(locked || std::find(heldBoxes_.begin(), heldBoxes_.end(), box) != heldBoxes_.end());
    box->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
    box->style()->unpolish(box);  // the read-only look follows the property
    box->style()->polish(box);
  }
}

void MainWindow::setInputHeld(Input id, bool held) {
  auto* box = qobject_cast<QLineEdit*>(display_->control(FieldOf(id).box));
  heldBoxes_.erase(std::remove(heldBoxes_.begin(), heldBoxes_.end(), box), heldBoxes_.end());
  if (held) heldBoxes_.push_back(box);
  if (!controller_->active()) setInputsLocked(false);
}

void MainWindow::focusControl(const char* name) {
  if (QWidget* w = display_->control(name)) w->setFocus(Qt::OtherFocusReason);
}

void MainWindow::onReturnInInput() {
  if (controller_->active()) return;
  // Enter runs with the inputs as they stand, after clearing a finished run;
  // the focus stays in the box where Enter was pressed.
  if (auto* box = qobject_cast<QLineEdit*>(sender())) resumeFocus_ = box;
  if (!display_->control("cmd_Neustart")->isHidden()) onNeustart();
  if (!display_->control("cmd_Start")->isHidden()) onStart();
}

// Inputs far outside what a brick dryer sees are computed only when the user
// confirms them; a refused input is reported by the run itself.
bool MainWindow::confirmUnusualInputs() {
  const InputTexts texts = inputs();
  QStringList lines;
  for (const InputWarning& w : FindUnusualInputs(texts)) {
    // A held box follows another, whose own warning counts; its usual range is not the user's to meet.
    const auto* box = qobject_cast<const QLineEdit*>(display_->control(FieldOf(w.field).box));
    if (std::find(heldBoxes_.begin(), heldBoxes_.end(), box) == heldBoxes_.end()) lines << QString::fromStdString(w.text);
  }
  if (lines.isEmpty() || !FindInputProblems(texts).empty()) return true;
  return ask(tr("Ungewöhnliche Eingaben:\n\n%1\n\nTrotzdem rechnen?").arg(lines.join('\n')));
}

// The estimate runs the case at coarse steps (about 0,05 s of computing on
// the default case, 0,2 s on a 40 mm plate at 0,05 s steps); inputs
// the check refuses are left to the run, which reports them.
bool MainWindow::confirmSeriesFit() {
  const std::string warning = SeriesFillWarning(inputs());
  if (warning.empty()) return true;
  return ask(tr("%1 Trotzdem rechnen?").arg(QString::fromStdString(warning)));
}

bool MainWindow::ask(const QString& text) {
  if (ask_) return ask_(text);
  QMessageBox box(QMessageBox::Question, QStringLiteral("Lamvero"), text, QMessageBox::NoButton, this);
  QPushButton* yes = box.addButton(tr("Ja"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(tr("Nein"), QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

void MainWindow::onStart() {
  if (controller_->active() || !confirmUnusualInputs() || !confirmSeriesFit()) return;
  runStart();
}

// Why a run could not begin, or when and why it had to stop.
void MainWindow::report(const RunResult& r) {
  QString text;
  if (r.outcome == RunOutcome::Refused) {
    QStringList lines;
    for (const std::string& m : r.shownMessages) lines << QString::fromStdString(m);
    text = tr("Die Rechnung kann mit diesen Eingaben nicht beginnen:\n\n%1").arg(lines.join('\n'));
  } else if ((r.outcome == RunOutcome::SeriesFull || r.outcome == RunOutcome::Failed) && !r.shownMessages.empty()) {
    text = QString::fromStdString(r.shownMessages[0]);
  }
  if (text.isEmpty()) return;
  if (present_) {
    present_(text);
  } else {
    QMessageBox::warning(this, QStringLiteral("Lamvero"), text);
  }
}

void MainWindow::onPause() {
  if (!controller_->pause()) return;
  setControlVisible("cmd_Pause", false);
  setControlVisible("cmd_Stop", false);
  setControlVisible("cmd_Weiter", true);
  focusControl("cmd_Weiter");
}

void MainWindow::onWeiter() {
  if (!controller_->resume()) return;
  setControlVisible("cmd_Weiter", false);
  setControlVisible("cmd_Pause", true);
  setControlVisible("cmd_Stop", true);
  focusControl("cmd_Pause");
}

void MainWindow::onStop() { stopRun(); }

bool MainWindow::stopRun() {
  const bool paused = controller_->phase() == RunPhase::Paused;
  if (!controller_->stop()) return false;
  // From a pause the buttons end as Weiter and then Stop leave them; the run
  // ends at the step it holds at.
  if (paused) setControlVisible("cmd_Weiter", false);
  setControlVisible("cmd_Pause", false);
  setControlVisible("cmd_Stop", false);
  focusControl("txt_parkfocus");  // until the run's end shows "Nochmal !"
  return true;
}

void MainWindow::onNeustart() {
  showsRun_ = false;
  controller_->clear();
  setControlVisible("cmd_Neustart", false);
  setControlVisible("cmd_Start", true);
  for (const char* name : kResetHidden) setControlVisible(name, false);
  display_->fillWhite(Area::Ausgabe, 0, 0, 10530, 6030);
  display_->fillWhite(Area::Zeit, 0, 0, 10530, 4330);
  display_->repaintWindow();
  if (resumeFocus_) {
    resumeFocus_->setFocus(Qt::OtherFocusReason);
  } else {
    focusControl("cmd_Start");
  }
}

void MainWindow::showOpeningState() {
  showsRun_ = false;
  controller_->clear();
  for (const ControlRow& c : ControlTable()) {
    if (c.kind != ControlKind::Label && c.kind != ControlKind::TextBox && c.kind != ControlKind::Button) continue;
    const char* name = c.name.c_str();
    bool input = false;
    for (const InputField& f : InputFields()) input = input || c.name == f.box;
    if (!input && c.kind != ControlKind::Button) display_->setText(name, ShownCaption(c));
    display_->setVisible(name, c.visibleAtOpen);
    if (c.kind != ControlKind::Button) display_->setColor(name, c.colour);
  }
  display_->fillWhite(Area::Ausgabe, 0, 0, 10530, 6030);
  display_->fillWhite(Area::Zeit, 0, 0, 10530, 4330);
  display_->applyTexts();
  display_->repaintWindow();
}

void MainWindow::showRecord(const RunRecord& record) {
  showOpeningState();
  for (const auto& [name, state] : record.controls) {
    if (!display_->control(name)) continue;
    display_->setText(name.c_str(), ShownControlText(name, state.text));
    display_->setVisible(name.c_str(), state.visible);
    display_->setColor(name.c_str(), state.color);
  }
  if (record.outcome != RunOutcome::Completed) {
    // A run that had to stop left the run buttons as Stop leaves them.
    display_->setVisible("cmd_Pause", false);
    display_->setVisible("cmd_Stop", false);
  }
  if (CanDrawResultPlots(record)) DrawResultPlots(record, *zeit_);
  display_->applyTexts();
  display_->repaintWindow();
  showsRun_ = true;
}

bool MainWindow::mayClose() {
  if (!controller_->active()) return true;
  // The run stops at its next step, also from a pause; the window closes once it has ended.
  controller_->stop();
  closeRequested_ = true;
  return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (mayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lamvero
