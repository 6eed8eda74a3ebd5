#include "present/controltable.h"

#include "inputs/inputs.h"
#include "run/runcontrol.h"
#include "run/resultdescriptors.h"
#include "text/numberformat.h"

namespace lamvero {

const char* const kWindowCaption =
    "Lamvero v.1.01  -  07.05.2007  -  Symmetrische Trocknung einer Platte aus Ziegelton";

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDarkBlue{0, 0, 192};
constexpr Rgb kGreen{0, 192, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr const char* kThetaFont = "DejaVu Serif";

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
  }

  // One of the numerical-control inputs (Arial 8.25 regular).
  void smallInput(Input id, int top) {
    const InputField& f = FieldOf(id);
    row(f.label, f.caption, f.box, f.defaultText, top, 1230, 2820, 195, 4050, 510, 195, kBlack, 8.25,
        false, true);
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
  }

  void smallResult(const char* key, const char* text, int top, Rgb colour) {
    const ResultDescriptor& r = ResultOf(key);
    row(r.label, r.caption, r.box, text, top, 1230, 2820, 195, 4050, 510, 195, colour, 8.25, false, false);
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
    {"txt_Dicke", "Dicke der feuchten Platte beim Einfahren, vor der Schwindung", nullptr},
    {"txt_rhos", "Dichte der getrockneten Masse (trockener Scherben)", nullptr},
    {"txt_XAnf", "Wassergehalt der Rohlinge beim Einfahren, je kg Trockenmasse (atro)", nullptr},
    {"txt_linTrSchwind", "lineare Schwindung vom Anfangswassergehalt bis zum trockenen Zustand", nullptr},
    {"txt_Feuchteleit", "Feuchteleitkoeffizient der Masse bei 0,25 kg/kg atro und 25 °C: wie schnell Wasser "
                        "im Inneren zur Oberfläche wandert", nullptr},
    {"txt_lambda", "Wärmeleitfähigkeit der getrockneten Platte (trockene Schicht im 2. Trocknungsabschnitt)",
     nullptr},
    {"txt_mue", "Diffusionswiderstandszahl der trockenen Masse: wievielmal stärker die Poren den Dampf bremsen "
                "als ruhende Luft", nullptr},
    {"txt_Waermeuebergang", "effektiver Wärmeübergangskoeffizient zwischen Trocknerluft und Plattenoberfläche",
     nullptr},
    {"txt_ThetaEinf", "Temperatur der Rohlinge beim Einfahren in den Trockner", nullptr},
    {"txt_AussenluftTemp", "Temperatur der angesaugten Außenluft", nullptr},
    {"txt_AussenluftFeuchte", "relative Feuchte der angesaugten Außenluft", nullptr},
    {"txt_Lufttemp", "Temperatur der Abluft, die den Gegenstromtrockner an der Einfahrseite verlässt", nullptr},
    {"txt_AbluftFeuchte", "relative Feuchte der Abluft an der Einfahrseite", nullptr},
    {"txt_ThetaGegenstromende", "Lufttemperatur an der Platte, bei der der Gegenstromabschnitt endet; danach "
                                "bleibt der Luftzustand im Großraumtrockner gleich", nullptr},
    {"txt_Ortsschrittweite", "Abstand der Rechenknoten über die halbe Plattendicke: kleiner rechnet genauer und "
                             "langsamer", nullptr},
    {"txt_deltaT", "Zeitschritt der Rechnung: kleiner rechnet genauer und langsamer", nullptr},
    {"txt_rund", "Zeitschritte zwischen zwei gezeichneten Feuchteprofilen", nullptr},
    {"txt_KappaSteig", "Steigung des Zehnerlogarithmus der Feuchteleitfähigkeit je Einheit des volumetrischen "
                       "Wassergehalts unterhalb der Grenzfeuchte (Schwindungsende)", nullptr},
    // Results.
    {"txt_XSchwEnde", "Wassergehalt, bei dem die Schwindung endet (Grenzfeuchte)", "kg/kg atro"},
    {"txt_offPoren", "offene Porosität der getrockneten Platte", "Vol.-%"},
    {"txt_LuftRohlingVerh", "Luftmenge, die je kg trockener Rohlinge durch den Trockner geht",
     "kg Luft je kg trockener Rohling"},
    {"txt_LuftWasserVerh", "Luftmenge je kg Wasser, das die Rohlinge mitbringen", "kg Luft je kg Wasser"},
    {"txt_ThetaZuluft", "Temperatur der Zuluft, die der Trockner nach der Energiebilanz braucht", "°C"},
    {"txt_Zeit", "Trocknungszeit seit dem Einfahren", "Stunden:Minuten:Sekunden"},
    {"txt_momLuftTemp", "Temperatur der Luft an der Platte in diesem Moment", "°C"},
    {"txt_momXLuft", "Wasserbeladung der Luft an der Platte in diesem Moment", "kg Wasser je kg trockene Luft"},
    {"txt_thetaOb", "Temperatur der Plattenoberfläche in diesem Moment", "°C"},
    {"txt_thetaK", "Temperatur in der Plattenmitte (Kern) in diesem Moment", "°C"},
    {"txt_xmom", "mittlerer Wassergehalt der Platte in diesem Moment", "kg/kg atro"},
    {"txt_qrand", "Wärmestrom von der Luft in die Platte je m² Oberfläche", "kW/m²"},
    {"txt_Wasserdampf", "Wasser, das je m² Oberfläche und Stunde verdunstet", "kg/(m² h)"},
    {"txt_KapGeschw", "Geschwindigkeit, mit der das Wasser kapillar zur Oberfläche strömt (nur im "
                      "1. Trocknungsabschnitt)", "mm/h"},
    {"txt_Dampfgeschw", "Geschwindigkeit des Dampfes in den Poren der trockenen Schicht (nur im "
                        "2. Trocknungsabschnitt)", "m/h"},
    {"txt_DauerGegenstrom", "Zeit bis zum Ende des Gegenstromabschnitts", "Stunden:Minuten:Sekunden"},
    {"txt_XGegen", "mittlerer Wassergehalt der Platte am Ende des Gegenstromabschnitts", "kg/kg atro"},
    {"txt_Dauer1TA", "Dauer des 1. Trocknungsabschnitts, in dem die Oberfläche nass ist",
     "Stunden:Minuten:Sekunden"},
    {"txt_X1TA", "mittlerer Wassergehalt der Platte am Ende des 1. Trocknungsabschnitts", "kg/kg atro"},
    {"txt_Anfangsrate", "Verdunstungsrate zu Beginn der Trocknung", "kg/(m² h)"},
    {"txt_t1xse", "Zeit, bis die Oberfläche die Grenzfeuchte erreicht und nicht mehr schwindet",
     "Stunden:Minuten:Sekunden"},
    {"txt_schwinddiff", "größter Unterschied der linearen Schwindung zwischen Oberfläche und Kern", "%"},
    {"txt_schwindgrad", "größtes Schwindungsgefälle an der Oberfläche, ein Maß der Rissgefahr", "% pro mm"},
    {"txt_t2xse", "Zeit, bis auch der Kern die Grenzfeuchte erreicht und die Platte nicht mehr schwindet",
     "Stunden:Minuten:Sekunden"},
    {"txt_spezEnergie", "mittlerer Wärmebedarf des Trockners je kg verdunstetes Wasser", "kJ/kg H2O"},
    {"txt_relEnergie", "mittlerer Wärmebedarf geteilt durch die Verdampfungsenthalpie des Wassers", ""},
    {"txt_AnzOS", "Zahl der Rechenknoten über die halbe Plattendicke, aus Dicke und Ortsschrittweite", ""},
    {"txt_Wasserfehler", "wie weit die Wasserbilanz der Rechnung aufgeht: über 3 % rot, über 6 % ungenau", "%"},
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
  t.output(ControlName(C::lbl_KapGeschw), "mom. oberfl. Kapillarströmung in mm/h", ControlName(C::txt_KapGeschw),
           6300, kDarkBlue);
  t.output(ControlName(C::lbl_DampfGeschw), "mom. Dampfgeschw. durch Poren in m/h", ControlName(C::txt_Dampfgeschw),
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
  t.button(C::cmd_Start, "Start", 3780, 10635, 780, true, 0);
  t.button(C::cmd_Neustart, "Nochmal !", 3120, 10635, 1455, false, 0);
  t.button(C::cmd_Pause, "Pause", 135, 9585, 915, false, 0);
  t.button("cmd_Weiter", "Weiter", 90, 9810, 1005, false, 0);
  t.button(C::cmd_Stop, "Stop", 135, 10080, 915, false, 1);

  // Accuracy warning below the buttons, read top to bottom.
  t.label(C::lbl_ungenau1, "evtl. sehr ungenau !", 1215, 10530, 2490, 195, kRed, 8.25).visibleAtOpen = false;
  t.label(C::lbl_ungenau3, "Zeitschrittweite verkleinern od.", 1215, 10710, 2490, 165, kRed, 6.75, false)
      .visibleAtOpen = false;
  t.label(C::lbl_ungenau2, "Ortsschrittweite vergrößern!", 1215, 10860, 2490, 165, kRed, 6.75, false)
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
  t.picture("img_Rohlingsdicke", "Rohlingsdicke", 8940, 5610, 3015, 225, kBlack, 9).arrow = true;
  t.picture("img_HalbeDicke", "s/2", 14895, 5580, 330, 180);
  ControlRow& schwindung = t.picture(ControlName(C::Image7), "Schwindung", 14940, 1215, 225, 1995, kBlue, 9);
  schwindung.direction = TextDirection::TopToBottom;
  schwindung.arrow = true;
  t.picture("img_Null2", "0", 4770, 10305, 120, 180);
  t.picture("img_laufendeZeit", "laufende Zeit", 8775, 10305, 2550, 180, kBlack, 8.25).arrow = true;
  ControlRow& temperaturen = t.picture("img_Temperaturen", "Temperaturen", 14985, 7110, 225, 2475, kRed, 9);
  temperaturen.direction = TextDirection::BottomToTop;
  temperaturen.arrow = true;
  // The temperature sign ϑ: Arial has no such glyph and the fallback draws
  // one that reads as a 9; DejaVu Serif draws an unmistakable theta.
  t.label("lbl_ThetaZu", "ϑ", 14850, 6120, 225, 435, kRed, 18).font = kThetaFont;
  t.label("lbl_ThetaZuIndex", "zu", 15030, 6390, 270, 285, kRed, 12);
  t.label("lbl_ThetaU", "ϑ", 14850, 10035, 225, 435, kRed, 18).font = kThetaFont;
  t.label("lbl_ThetaUIndex", "u", 15075, 10260, 225, 285, kRed, 12);

  // Legends.
  t.label("lbl_LegendeProfil", "Orts- und zeitabhängige Wasserbeladung,", 4770, 5850, 4545, 285, kBlack, 11.25);
  t.label("lbl_LegendeSchwindEnde", "Schwindungsende,", 9315, 5850, 2115, 285, kBlue, 11.25);
  t.label("lbl_Legende1TA", "Ende des 1. Trocknungsabschnittes", 11430, 5850, 3870, 285, kRed, 11.25);
  t.label("lbl_LegendeWasser", "Wasserbeladung,", 5625, 10575, 1890, 285, kBlack, 11.25);
  t.label("lbl_LegendeRate", "Verdunstungsrate,", 7515, 10575, 2025, 285, kGreen, 11.25);
  t.label("lbl_LegendeSchwind", "Oberflächen- und Kernschwindung,", 9540, 10575, 3825, 285, kBlue, 11.25);
  t.label("lbl_LegendeLuft", "Luft-,", 13365, 10575, 1935, 285, kRed, 11.25);
  t.label("lbl_LegendeKern", "Kern- und", 6570, 10800, 1170, 285, Rgb{192, 0, 192}, 11.25);
  t.label("lbl_LegendeOberfl", "Oberflächentemperatur,", 7740, 10800, 2610, 285, Rgb{192, 64, 0}, 11.25);
  t.label("lbl_LegendeSpiegel", "Trocknungsspiegel", 10350, 10800, 2145, 285, kBlack, 11.25).background =
      Rgb{255, 255, 192};
}

// The title and credit blocks and the lines that separate the parts of the window.
void AddTitleAndLines(Builder& t) {
  // Title block.
  t.label("lbl_Titel1", "Kinetik und Energetik der Konvektions-", 4905, 45, 5580, 330, kRed, 14.25);
  t.label("lbl_Titel2", "trocknung in gekoppelten Gegenstrom- ", 4905, 360, 5580, 330, kRed, 14.25);
  t.label("lbl_Titel3", "und Großraumtrocknern", 5850, 675, 4635, 330, kRed, 14.25);

  // Credit block: what this program is.
  t.label("lbl_Programm1", "Lamvero", 10755, 0, 3510, 390, kDarkBlue, 17.25);
  t.label("lbl_Programm2", "Trocknungsrechner", 10755, 315, 3510, 390, kDarkBlue, 17.25);
  t.label("lbl_Programm3", "Plattentrocknung, Schwindung, Energie", 10755, 765, 3510, 240, kDarkBlue, 9);
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
  std::string text = row.meaning + "\nEinheit: " + (row.unit.empty() ? "keine (reine Zahl)" : row.unit);
  if (const InputField* f = InputFieldOf(row.name)) {
    const std::string unit = row.unit.empty() ? "" : " " + row.unit;
    text += "\nVorgabe: " + std::string(f->defaultText) + unit;
    text += "\nüblicher Bereich: " + FormatSignificant(f->usualMin, 6) + " bis " + FormatSignificant(f->usualMax, 6) + unit;
  }
  return text;
}

ControlState ControlAtOpen(const std::string& name) {
  if (const ControlRow* row = FindControl(name)) return ControlState{row->caption, row->visibleAtOpen, row->colour};
  return ControlState{};
}

}  // namespace lamvero
