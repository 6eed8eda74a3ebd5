#include "present/controltable.h"

#include "inputs/inputs.h"
#include "run/runcontrol.h"
#include "run/resultdescriptors.h"
#include "text/language.h"
#include "text/numberformat.h"

namespace lamvero {

const char* const kWindowCaption = LV_TR_NOOP(
    "Rechnerfenster", "Lamvero v.1.01  -  07.05.2007  -  Symmetrische Trocknung einer Platte aus Ziegelton");

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDarkBlue{0, 0, 192};
constexpr Rgb kGreen{0, 192, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr const char* kThetaFont = "DejaVu Serif";
// The catalogue contexts of the input fields' and the results' captions and units.
constexpr const char* kInputContext = "Eingabefelder";
constexpr const char* kResultContext = "Ergebnisse";

using C = RunControl;  // the controls a run shows its values in

// The drawing area pic_Zeit: its place and the inside its user scale spans
// (a one-pixel border on each side).
constexpr int kZeitLeft = 4860, kZeitTop = 6330, kZeitWidth = 10005, kZeitHeight = 3945;
constexpr int kBorderTwips = kTwipsPerPixel;

class Builder {
 public:
  std::vector<ControlRow> table;

  ControlRow& add(ControlKind kind, const char* name, const char* caption, int left, int top,
                   int width, int height) {
    ControlRow c;
    c.kind = kind;
    c.name = name;
    c.caption = caption;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    table.push_back(c);
    return table.back();
  }

  // A row of the left column: label and text box sharing colour and font.
  void row(const char* label, const char* caption, const char* box, const char* text, int top,
           int labelLeft, int labelWidth, int labelHeight, int boxLeft, int boxWidth, int boxHeight,
           Rgb colour, double pointSize, bool bold, bool visible) {
    ControlRow& l = add(ControlKind::Label, label, caption, labelLeft, top, labelWidth, labelHeight);
    l.colour = colour;
    l.pointSize = pointSize;
    l.bold = bold;
    l.visibleAtOpen = visible;
    ControlRow& b = add(ControlKind::TextBox, box, text, boxLeft, top, boxWidth, boxHeight);
    b.colour = colour;
    b.pointSize = pointSize;
    b.bold = bold;
    b.visibleAtOpen = visible;
    b.label = label;
  }

  // One of the fourteen main inputs (black, Arial 9 bold, box at 3870).
  void input(Input id, int labelLeft, int top, int labelWidth, int boxHeight) {
    const InputField& f = FieldOf(id);
    row(f.label, f.caption, f.box, f.defaultText, top, labelLeft, labelWidth, 210, 3870, 780, boxHeight,
        kBlack, 9, true, true);
    table[table.size() - 2].context = kInputContext;
  }

  // One of the numerical-control inputs (Arial 8.25 regular).
  void smallInput(Input id, int top) {
    const InputField& f = FieldOf(id);
    row(f.label, f.caption, f.box, f.defaultText, top, 1230, 2820, 195, 4050, 510, 195, kBlack, 8.25,
        false, true);
    table[table.size() - 2].context = kInputContext;
  }

  // An output row, hidden until the run produces its value.
  void output(const char* label, const char* caption, const char* box, int top, Rgb colour,
              int labelWidth = 3705, int boxLeft = 3870, int boxWidth = 780) {
    row(label, caption, box, "", top, 135, labelWidth, 210, boxLeft, boxWidth, 210, colour, 9, true,
        false);
  }

  // The output row of a result: its label, caption and box from the result's descriptor.
  void result(const char* key, int top, Rgb colour, int labelWidth = 3705, int boxLeft = 3870, int boxWidth = 780) {
    const ResultDescriptor& r = ResultOf(key);
    output(r.label, r.caption, r.box, top, colour, labelWidth, boxLeft, boxWidth);
    table[table.size() - 2].context = kResultContext;
  }

  void smallResult(const char* key, const char* text, int top, Rgb colour) {
    const ResultDescriptor& r = ResultOf(key);
    row(r.label, r.caption, r.box, text, top, 1230, 2820, 195, 4050, 510, 195, colour, 8.25, false, false);
    table[table.size() - 2].context = kResultContext;
  }

  ControlRow& label(RunControl id, const char* caption, int left, int top, int width, int height, Rgb colour,
                    double pointSize, bool bold = true) {
    return label(ControlName(id), caption, left, top, width, height, colour, pointSize, bold);
  }
  ControlRow& label(const char* name, const char* caption, int left, int top, int width, int height,
                     Rgb colour, double pointSize, bool bold = true) {
    ControlRow& c = add(ControlKind::Label, name, caption, left, top, width, height);
    c.colour = colour;
    c.pointSize = pointSize;
    c.bold = bold;
    return c;
  }

  // `mnemonic`: the index of the caption's letter that presses the button with Alt.
  void button(RunControl id, const char* caption, int left, int top, int width, bool visible, int mnemonic) {
    button(ControlName(id), caption, left, top, width, visible, mnemonic);
  }
  void button(const char* name, const char* caption, int left, int top, int width, bool visible, int mnemonic) {
    ControlRow& c = add(ControlKind::Button, name, caption, left, top, width, 375);
    c.pointSize = 12;
    c.visibleAtOpen = visible;
    c.mnemonic = mnemonic;
  }

  ControlRow& picture(const char* name, const char* text, int left, int top, int width, int height,
                       Rgb colour = kBlack, double pointSize = 8.25) {
    ControlRow& c = add(ControlKind::Picture, name, text, left, top, width, height);
    c.colour = colour;
    c.pointSize = pointSize;
    c.bold = false;
    return c;
  }

  void line(const char* name, int x1, int y1, int x2, int y2, int width) {
    ControlRow& c = add(ControlKind::Line, name, "", x1, y1, x2 - x1, y2 - y1);
    c.lineWidth = width;
  }
};

// What each text box holds, for its tooltip. An input's unit, default and
// usual range come from its input field; a result's unit is given here.
struct BoxHelp {
  const char* box;
  const char* meaning;
  const char* unit;  // results only
};
const BoxHelp kHelp[] = {
    // Inputs.
    {"txt_Dicke", LV_TR_NOOP("Rechnerfenster", "Dicke der feuchten Platte beim Einfahren, vor der Schwindung"), nullptr},
    {"txt_rhos", LV_TR_NOOP("Rechnerfenster", "Dichte der getrockneten Masse (trockener Scherben)"), nullptr},
    {"txt_XAnf", LV_TR_NOOP("Rechnerfenster", "Wassergehalt der Rohlinge beim Einfahren, je kg Trockenmasse (atro)"), nullptr},
    {"txt_linTrSchwind", LV_TR_NOOP("Rechnerfenster", "lineare Schwindung vom Anfangswassergehalt bis zum trockenen Zustand"), nullptr},
    {"txt_Feuchteleit", LV_TR_NOOP("Rechnerfenster", "Feuchteleitkoeffizient der Masse bei 0,25 kg/kg atro und 25 °C: wie schnell Wasser "
                        "im Inneren zur Oberfläche wandert"), nullptr},
    {"txt_lambda", LV_TR_NOOP("Rechnerfenster", "Wärmeleitfähigkeit der getrockneten Platte (trockene Schicht im 2. Trocknungsabschnitt)"),
     nullptr},
    {"txt_mue", LV_TR_NOOP("Rechnerfenster", "Diffusionswiderstandszahl der trockenen Masse: wievielmal stärker die Poren den Dampf bremsen "
                "als ruhende Luft"), nullptr},
    {"txt_Waermeuebergang", LV_TR_NOOP("Rechnerfenster", "effektiver Wärmeübergangskoeffizient zwischen Trocknerluft und Plattenoberfläche"),
     nullptr},
    {"txt_ThetaEinf", LV_TR_NOOP("Rechnerfenster", "Temperatur der Rohlinge beim Einfahren in den Trockner"), nullptr},
    {"txt_AussenluftTemp", LV_TR_NOOP("Rechnerfenster", "Temperatur der angesaugten Außenluft"), nullptr},
    {"txt_AussenluftFeuchte", LV_TR_NOOP("Rechnerfenster", "relative Feuchte der angesaugten Außenluft"), nullptr},
    {"txt_Lufttemp", LV_TR_NOOP("Rechnerfenster", "Temperatur der Abluft, die den Gegenstromtrockner an der Einfahrseite verlässt"), nullptr},
    {"txt_AbluftFeuchte", LV_TR_NOOP("Rechnerfenster", "relative Feuchte der Abluft an der Einfahrseite"), nullptr},
    {"txt_ThetaGegenstromende", LV_TR_NOOP("Rechnerfenster", "Lufttemperatur an der Platte, bei der der Gegenstromabschnitt endet; danach "
                                "bleibt der Luftzustand im Großraumtrockner gleich"), nullptr},
    {"txt_Ortsschrittweite", LV_TR_NOOP("Rechnerfenster", "Abstand der Rechenknoten über die halbe Plattendicke: kleiner rechnet genauer und "
                             "langsamer"), nullptr},
    {"txt_deltaT", LV_TR_NOOP("Rechnerfenster", "Zeitschritt der Rechnung: kleiner rechnet genauer und langsamer"), nullptr},
    {"txt_rund", LV_TR_NOOP("Rechnerfenster", "Zeitschritte zwischen zwei gezeichneten Feuchteprofilen"), nullptr},
    {"txt_KappaSteig", LV_TR_NOOP("Rechnerfenster", "Steigung des Zehnerlogarithmus der Feuchteleitfähigkeit je Einheit des volumetrischen "
                       "Wassergehalts unterhalb der Grenzfeuchte (Schwindungsende)"), nullptr},
    // Results.
    {"txt_XSchwEnde", LV_TR_NOOP("Rechnerfenster", "Wassergehalt, bei dem die Schwindung endet (Grenzfeuchte)"), LV_TR_NOOP("Rechnerfenster", "kg/kg atro")},
    {"txt_offPoren", LV_TR_NOOP("Rechnerfenster", "offene Porosität der getrockneten Platte"), LV_TR_NOOP("Rechnerfenster", "Vol.-%")},
    {"txt_LuftRohlingVerh", LV_TR_NOOP("Rechnerfenster", "Luftmenge, die je kg trockener Rohlinge durch den Trockner geht"),
     LV_TR_NOOP("Rechnerfenster", "kg Luft je kg trockener Rohling")},
    {"txt_LuftWasserVerh", LV_TR_NOOP("Rechnerfenster", "Luftmenge je kg Wasser, das die Rohlinge mitbringen"), LV_TR_NOOP("Rechnerfenster", "kg Luft je kg Wasser")},
    {"txt_ThetaZuluft", LV_TR_NOOP("Rechnerfenster", "Temperatur der Zuluft, die der Trockner nach der Energiebilanz braucht"), LV_TR_NOOP("Rechnerfenster", "°C")},
    {"txt_Zeit", LV_TR_NOOP("Rechnerfenster", "Trocknungszeit seit dem Einfahren"), LV_TR_NOOP("Rechnerfenster", "Stunden:Minuten:Sekunden")},
    {"txt_momLuftTemp", LV_TR_NOOP("Rechnerfenster", "Temperatur der Luft an der Platte in diesem Moment"), LV_TR_NOOP("Rechnerfenster", "°C")},
    {"txt_momXLuft", LV_TR_NOOP("Rechnerfenster", "Wasserbeladung der Luft an der Platte in diesem Moment"), LV_TR_NOOP("Rechnerfenster", "kg Wasser je kg trockene Luft")},
    {"txt_thetaOb", LV_TR_NOOP("Rechnerfenster", "Temperatur der Plattenoberfläche in diesem Moment"), LV_TR_NOOP("Rechnerfenster", "°C")},
    {"txt_thetaK", LV_TR_NOOP("Rechnerfenster", "Temperatur in der Plattenmitte (Kern) in diesem Moment"), LV_TR_NOOP("Rechnerfenster", "°C")},
    {"txt_xmom", LV_TR_NOOP("Rechnerfenster", "mittlerer Wassergehalt der Platte in diesem Moment"), LV_TR_NOOP("Rechnerfenster", "kg/kg atro")},
    {"txt_qrand", LV_TR_NOOP("Rechnerfenster", "Wärmestrom von der Luft in die Platte je m² Oberfläche"), LV_TR_NOOP("Rechnerfenster", "kW/m²")},
    {"txt_Wasserdampf", LV_TR_NOOP("Rechnerfenster", "Wasser, das je m² Oberfläche und Stunde verdunstet"), LV_TR_NOOP("Rechnerfenster", "kg/(m² h)")},
    {"txt_KapGeschw", LV_TR_NOOP("Rechnerfenster", "Geschwindigkeit, mit der das Wasser kapillar zur Oberfläche strömt (nur im "
                      "1. Trocknungsabschnitt)"), LV_TR_NOOP("Rechnerfenster", "mm/h")},
    {"txt_Dampfgeschw", LV_TR_NOOP("Rechnerfenster", "Geschwindigkeit des Dampfes in den Poren der trockenen Schicht (nur im "
                        "2. Trocknungsabschnitt)"), LV_TR_NOOP("Rechnerfenster", "m/h")},
    {"txt_DauerGegenstrom", LV_TR_NOOP("Rechnerfenster", "Zeit bis zum Ende des Gegenstromabschnitts"), LV_TR_NOOP("Rechnerfenster", "Stunden:Minuten:Sekunden")},
    {"txt_XGegen", LV_TR_NOOP("Rechnerfenster", "mittlerer Wassergehalt der Platte am Ende des Gegenstromabschnitts"), LV_TR_NOOP("Rechnerfenster", "kg/kg atro")},
    {"txt_Dauer1TA", LV_TR_NOOP("Rechnerfenster", "Dauer des 1. Trocknungsabschnitts, in dem die Oberfläche nass ist"),
     LV_TR_NOOP("Rechnerfenster", "Stunden:Minuten:Sekunden")},
    {"txt_X1TA", LV_TR_NOOP("Rechnerfenster", "mittlerer Wassergehalt der Platte am Ende des 1. Trocknungsabschnitts"), LV_TR_NOOP("Rechnerfenster", "kg/kg atro")},
    {"txt_Anfangsrate", LV_TR_NOOP("Rechnerfenster", "Verdunstungsrate zu Beginn der Trocknung"), LV_TR_NOOP("Rechnerfenster", "kg/(m² h)")},
    {"txt_t1xse", LV_TR_NOOP("Rechnerfenster", "Zeit, bis die Oberfläche die Grenzfeuchte erreicht und nicht mehr schwindet"),
     LV_TR_NOOP("Rechnerfenster", "Stunden:Minuten:Sekunden")},
    {"txt_schwinddiff", LV_TR_NOOP("Rechnerfenster", "größter Unterschied der linearen Schwindung zwischen Oberfläche und Kern"), LV_TR_NOOP("Rechnerfenster", "%")},
    {"txt_schwindgrad", LV_TR_NOOP("Rechnerfenster", "größtes Schwindungsgefälle an der Oberfläche, ein Maß der Rissgefahr"), LV_TR_NOOP("Rechnerfenster", "% pro mm")},
    {"txt_t2xse", LV_TR_NOOP("Rechnerfenster", "Zeit, bis auch der Kern die Grenzfeuchte erreicht und die Platte nicht mehr schwindet"),
     LV_TR_NOOP("Rechnerfenster", "Stunden:Minuten:Sekunden")},
    {"txt_spezEnergie", LV_TR_NOOP("Rechnerfenster", "mittlerer Wärmebedarf des Trockners je kg verdunstetes Wasser"), LV_TR_NOOP("Rechnerfenster", "kJ/kg H2O")},
    {"txt_relEnergie", LV_TR_NOOP("Rechnerfenster", "mittlerer Wärmebedarf geteilt durch die Verdampfungsenthalpie des Wassers"), ""},
    {"txt_AnzOS", LV_TR_NOOP("Rechnerfenster", "Zahl der Rechenknoten über die halbe Plattendicke, aus Dicke und Ortsschrittweite"), ""},
    {"txt_Wasserfehler", LV_TR_NOOP("Rechnerfenster", "wie weit die Wasserbilanz der Rechnung aufgeht: über 3 % rot, über 6 % ungenau"), LV_TR_NOOP("Rechnerfenster", "%")},
};

const InputField* InputFieldOf(const std::string& box) {
  for (const InputField& f : InputFields()) {
    if (box == f.box) return &f;
  }
  return nullptr;
}

// The left column, top to bottom: inputs and the values of the run.
void AddLeftColumn(Builder& t) {
  t.input(Input::Dicke, 120, 30, 3705, 195);
  t.input(Input::rhos, 120, 255, 3705, 225);
  t.input(Input::XAnf, 135, 495, 3705, 195);
  t.input(Input::linTrSchwind, 135, 720, 3705, 225);
  t.result("XSchwEnde", 945, kDarkBlue);
  t.result("offPoren", 1170, kDarkBlue);
  t.input(Input::Feuchteleit, 120, 1395, 3795, 225);
  t.input(Input::lambda, 120, 1620, 3705, 195);
  t.input(Input::mue, 135, 1845, 3705, 225);
  t.input(Input::Waermeuebergang, 135, 2070, 3705, 195);
  t.input(Input::ThetaEinf, 135, 2295, 3795, 195);
  t.input(Input::AussenluftTemp, 135, 2520, 3705, 225);
  t.input(Input::AussenluftFeuchte, 135, 2745, 3705, 225);
  t.input(Input::Lufttemp, 135, 2970, 3705, 225);
  t.input(Input::AbluftFeuchte, 135, 3195, 3705, 225);
  t.input(Input::ThetaGegenstromende, 135, 3420, 3705, 225);
  t.result("LuftRohlingVerh", 3645, kDarkBlue, 3720);
  t.result("LuftWasserVerh", 3870, kDarkBlue, 3720);
  t.result("ThetaZuluft", 4095, kDarkBlue, 3720);
  t.result("Zeit", 4365, kGreen, 3705, 3750, 900);
  t.result("ThetaLuft", 4635, kDarkBlue);
  t.result("XLuft", 4860, kDarkBlue, 3720);
  t.result("ThetaOb", 5130, kDarkBlue);
  t.result("ThetaK", 5355, kDarkBlue);
  t.result("xmom", 5580, kDarkBlue);
  t.result("qrand", 5850, kDarkBlue);
  t.result("Wasserdampf", 6075, kDarkBlue);
  t.output(ControlName(C::lbl_KapGeschw), LV_TR_NOOP("Rechnerfenster", "mom. oberfl. Kapillarströmung in mm/h"), ControlName(C::txt_KapGeschw),
           6300, kDarkBlue);
  t.output(ControlName(C::lbl_DampfGeschw), LV_TR_NOOP("Rechnerfenster", "mom. Dampfgeschw. durch Poren in m/h"), ControlName(C::txt_Dampfgeschw),
           6525, kDarkBlue);
  t.result("DauerGegenstrom", 6795, kDarkBlue, 3705, 3825, 810);
  t.result("XGegen", 7020, kDarkBlue);
  t.result("Dauer1TA", 7290, kDarkBlue, 3705, 3825, 810);
  t.result("X1TA", 7515, kDarkBlue);
  t.result("Anfangsrate", 7740, kDarkBlue);
  t.result("t1xse", 8010, kDarkBlue, 3705, 3840, 810);
  t.result("schwinddiff", 8235, kDarkBlue);
  t.result("schwindgrad", 8460, kDarkBlue);
  t.result("t2xse", 8685, kDarkBlue, 3705, 3840, 810);
  t.result("spezEnergie", 8955, kRed);
  t.result("relEnergie", 9180, kRed, 3795);
  t.smallResult("AnzOS", "", 9450, kBlue);
  t.smallInput(Input::Ortsschrittweite, 9630);
  t.smallInput(Input::deltaT, 9810);
  t.smallInput(Input::rund, 9990);
  t.smallInput(Input::KappaSteig, 10170);
  t.smallResult("WasserfehlerProzent", " ", 10350, kDarkBlue);
}

// The focus sink, the run-control buttons and the accuracy warning below them.
void AddRunControls(Builder& t) {
  // Focus sink, partly outside the left edge, white on white.
  ControlRow& park = t.add(ControlKind::TextBox, "txt_parkfocus", "", -120, 10125, 225, 360);
  park.colour = kWhite;

  // Run-control buttons.
  // Alt+S Start, Alt+N Nochmal, Alt+P Pause, Alt+W Weiter, Alt+T Stop.
  t.button(C::cmd_Start, LV_TR_NOOP("Rechnerfenster", "Start"), 3780, 10635, 780, true, 0);
  t.button(C::cmd_Neustart, LV_TR_NOOP("Rechnerfenster", "Nochmal !"), 3120, 10635, 1455, false, 0);
  t.button(C::cmd_Pause, LV_TR_NOOP("Rechnerfenster", "Pause"), 135, 9585, 915, false, 0);
  t.button("cmd_Weiter", LV_TR_NOOP("Rechnerfenster", "Weiter"), 90, 9810, 1005, false, 0);
  t.button(C::cmd_Stop, LV_TR_NOOP("Rechnerfenster", "Stop"), 135, 10080, 915, false, 1);

  // Accuracy warning below the buttons, read top to bottom.
  t.label(C::lbl_ungenau1, LV_TR_NOOP("Rechnerfenster", "evtl. sehr ungenau !"), 1215, 10530, 2490, 195, kRed, 8.25).visibleAtOpen = false;
  t.label(C::lbl_ungenau3, LV_TR_NOOP("Rechnerfenster", "Zeitschrittweite verkleinern od."), 1215, 10710, 2490, 165, kRed, 6.75, false)
      .visibleAtOpen = false;
  t.label(C::lbl_ungenau2, LV_TR_NOOP("Rechnerfenster", "Ortsschrittweite vergrößern!"), 1215, 10860, 2490, 165, kRed, 6.75, false)
      .visibleAtOpen = false;
}

// Both plots with their annotations and legends.
void AddPlots(Builder& t) {
  // Drawing areas: the inside (one pixel in from the border) spans the user scale.
  ControlRow& ausgabe = t.add(ControlKind::DrawingArea, "pic_Ausgabe", "", 4875, 1170, 10005, 4395);
  ausgabe.userWidth = 10500;
  ausgabe.userHeight = 6000;
  ControlRow& zeit = t.add(ControlKind::DrawingArea, "pic_Zeit", "", kZeitLeft, kZeitTop, kZeitWidth,
                            kZeitHeight);
  zeit.userWidth = 10500;
  zeit.userHeight = 4300;

  // The bisection warning sits inside pic_Zeit at (7020, 540) of its user scale.
  const int achtungLeft = kZeitLeft + kBorderTwips + 7020 * (kZeitWidth - 2 * kBorderTwips) / 10500;
  const int achtungTop = kZeitTop + kBorderTwips + 540 * (kZeitHeight - 2 * kBorderTwips) / 4300;
  t.label(C::lbl_Achtung, "!", achtungLeft, achtungTop, 195, 510, kRed, 24).visibleAtOpen = false;

  // Axis annotations.
  t.picture("img_Null1", "0", 4770, 5610, 120, 180);
  t.picture("img_Rohlingsdicke", LV_TR_NOOP("Rechnerfenster", "Rohlingsdicke"), 8940, 5610, 3015, 225, kBlack, 9).arrow = true;
  t.picture("img_HalbeDicke", "s/2", 14895, 5580, 330, 180);
  ControlRow& schwindung = t.picture(ControlName(C::Image7), LV_TR_NOOP("Rechnerfenster", "Schwindung"), 14940, 1215, 225, 1995, kBlue, 9);
  schwindung.direction = TextDirection::TopToBottom;
  schwindung.arrow = true;
  t.picture("img_Null2", "0", 4770, 10305, 120, 180);
  t.picture("img_laufendeZeit", LV_TR_NOOP("Rechnerfenster", "laufende Zeit"), 8775, 10305, 2550, 180, kBlack, 8.25).arrow = true;
  ControlRow& temperaturen = t.picture("img_Temperaturen", LV_TR_NOOP("Rechnerfenster", "Temperaturen"), 14985, 7110, 225, 2475, kRed, 9);
  temperaturen.direction = TextDirection::BottomToTop;
  temperaturen.arrow = true;
  // The temperature sign ϑ: Arial has no such glyph and the fallback draws
  // one that reads as a 9; DejaVu Serif draws an unmistakable theta.
  t.label("lbl_ThetaZu", "ϑ", 14850, 6120, 225, 435, kRed, 18).font = kThetaFont;
  t.label("lbl_ThetaZuIndex", LV_TR_NOOP("Rechnerfenster", "zu"), 15030, 6390, 270, 285, kRed, 12);
  t.label("lbl_ThetaU", "ϑ", 14850, 10035, 225, 435, kRed, 18).font = kThetaFont;
  t.label("lbl_ThetaUIndex", "u", 15075, 10260, 225, 285, kRed, 12);

  // Legends.
  t.label("lbl_LegendeProfil", LV_TR_NOOP("Rechnerfenster", "Orts- und zeitabhängige Wasserbeladung,"), 4770, 5850, 4545, 285, kBlack, 11.25);
  t.label("lbl_LegendeSchwindEnde", LV_TR_NOOP("Rechnerfenster", "Schwindungsende,"), 9315, 5850, 2115, 285, kBlue, 11.25);
  t.label("lbl_Legende1TA", LV_TR_NOOP("Rechnerfenster", "Ende des 1. Trocknungsabschnittes"), 11430, 5850, 3870, 285, kRed, 11.25);
  t.label("lbl_LegendeWasser", LV_TR_NOOP("Rechnerfenster", "Wasserbeladung,"), 5625, 10575, 1890, 285, kBlack, 11.25);
  t.label("lbl_LegendeRate", LV_TR_NOOP("Rechnerfenster", "Verdunstungsrate,"), 7515, 10575, 2025, 285, kGreen, 11.25);
  t.label("lbl_LegendeSchwind", LV_TR_NOOP("Rechnerfenster", "Oberflächen- und Kernschwindung,"), 9540, 10575, 3825, 285, kBlue, 11.25);
  t.label("lbl_LegendeLuft", LV_TR_NOOP("Rechnerfenster", "Luft-,"), 13365, 10575, 1935, 285, kRed, 11.25);
  t.label("lbl_LegendeKern", LV_TR_NOOP("Rechnerfenster", "Kern- und"), 6570, 10800, 1170, 285, Rgb{192, 0, 192}, 11.25);
  t.label("lbl_LegendeOberfl", LV_TR_NOOP("Rechnerfenster", "Oberflächentemperatur,"), 7740, 10800, 2610, 285, Rgb{192, 64, 0}, 11.25);
  t.label("lbl_LegendeSpiegel", LV_TR_NOOP("Rechnerfenster", "Trocknungsspiegel"), 10350, 10800, 2145, 285, kBlack, 11.25).background =
      Rgb{255, 255, 192};
}

// The title and credit blocks and the lines that separate the parts of the window.
void AddTitleAndLines(Builder& t) {
  // Title block.
  t.label("lbl_Titel1", LV_TR_NOOP("Rechnerfenster", "Kinetik und Energetik der Konvektions-"), 4905, 45, 5580, 330, kRed, 14.25);
  t.label("lbl_Titel2", LV_TR_NOOP("Rechnerfenster", "trocknung in gekoppelten Gegenstrom- "), 4905, 360, 5580, 330, kRed, 14.25);
  t.label("lbl_Titel3", LV_TR_NOOP("Rechnerfenster", "und Großraumtrocknern"), 5850, 675, 4635, 330, kRed, 14.25);

  // Credit block: what this program is.
  t.label("lbl_Programm1", "Lamvero", 10755, 0, 3510, 390, kDarkBlue, 17.25);
  t.label("lbl_Programm2", LV_TR_NOOP("Rechnerfenster", "Trocknungsrechner"), 10755, 315, 3510, 390, kDarkBlue, 17.25);
  t.label("lbl_Programm3", LV_TR_NOOP("Rechnerfenster", "Plattentrocknung, Schwindung, Energie"), 10755, 765, 3510, 240, kDarkBlue, 9);
  t.add(ControlKind::Logo, "img_Logo", "", 14310, 90, 885, 660);
  t.add(ControlKind::Logo, "img_LogoKlein", "", 90, 10620, 1050, 390);

  // Main separators (3 px) and the thin lines grouping the output rows.
  t.line("lin_Spalte", 4680, 45, 4680, 11025, 3);
  t.line("lin_Titel", 4680, 1035, 15210, 1035, 3);
  t.line("lin_Kopf", 10530, 45, 10530, 1035, 3);
  t.line("lin_Flaechen", 4725, 6180, 15255, 6180, 3);
  t.line("lin_Numerik", 90, 9405, 4680, 9405, 3);
  const int thinTops[] = {4320, 4590, 5085, 5805, 6750, 7245, 7965, 8910};
  const char* const thinNames[] = {"lin_Gruppe1", "lin_Gruppe2", "lin_Gruppe3", "lin_Gruppe4",
                                   "lin_Gruppe5", "lin_Gruppe6", "lin_Gruppe7", "lin_Gruppe8"};
  for (int i = 0; i < 8; ++i) t.line(thinNames[i], 90, thinTops[i], 4680, thinTops[i], 1);
}

std::vector<ControlRow> BuildTable() {
  Builder t;
  AddLeftColumn(t);
  AddRunControls(t);
  AddPlots(t);
  AddTitleAndLines(t);
  for (ControlRow& c : t.table) {
    for (const BoxHelp& h : kHelp) {
      if (c.name != h.box) continue;
      c.meaning = h.meaning;
      const InputField* input = InputFieldOf(c.name);
      c.unit = input ? input->unit : h.unit;
    }
  }
  return t.table;
}

}  // namespace

const std::vector<ControlRow>& ControlTable() {
  static const std::vector<ControlRow> table = BuildTable();
  return table;
}

const ControlRow* FindControl(const std::string& name) {
  for (const ControlRow& c : ControlTable()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

std::string ToolTipText(const ControlRow& row) {
  if (row.meaning.empty()) return {};
  const InputField* f = InputFieldOf(row.name);
  const std::string unit = Tr(f ? kInputContext : kControlContext, row.unit);
  std::string text = Tr(kControlContext, row.meaning) + "\n" +
                     Filled(Tr("Rechnerfenster", "Einheit: %1"),
                            {unit.empty() ? Tr("Rechnerfenster", "keine (reine Zahl)") : unit});
  if (f) {
    const std::string withUnit = unit.empty() ? "" : " " + unit;
    text += "\n" + Filled(Tr("Rechnerfenster", "Vorgabe: %1"), {ShownInputText(f->defaultText) + withUnit});
    text += "\n" + Filled(Tr("Rechnerfenster", "üblicher Bereich: %1 bis %2"),
                          {FormatSignificant(f->usualMin, 6), FormatSignificant(f->usualMax, 6) + withUnit});
  }
  return text;
}

std::string ShownCaption(const ControlRow& row) {
  if (row.kind == ControlKind::TextBox) return ShownInputText(row.caption);
  return row.caption.empty() ? row.caption : Tr(row.context, row.caption);
}

std::string ShownControlText(const std::string& name, const std::string& text) {
  const ControlRow* row = FindControl(name);
  if (!row || row->kind == ControlKind::TextBox || text.empty()) return text;
  return Tr(row->context, text);
}

ControlState ControlAtOpen(const std::string& name) {
  if (const ControlRow* row = FindControl(name)) return ControlState{row->caption, row->visibleAtOpen, row->colour};
  return ControlState{};
}

}  // namespace lamvero
