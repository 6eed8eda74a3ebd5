#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "physics/claybody.h"
#include "run/runevents.h"
#include "inputs/inputcheck.h"
#include "inputs/inputreading.h"
#include "inputs/inputs.h"
#include "text/parsenumber.h"
#include "run/runstate.h"
#include "run/setup.h"

namespace lamvero {
namespace {

using Edits = std::vector<std::pair<const char*, const char*>>;

InputTexts With(const Edits& edits) {
  InputTexts t = InputTexts::Defaults();
  for (const auto& [box, text] : edits) {
    EXPECT_TRUE(t.set(box, text)) << box;
  }
  return t;
}

std::string Joined(const std::vector<std::string>& messages) {
  std::string all;
  for (const std::string& m : messages) all += m + "\n";
  return all;
}

// A number as a German user types it, with every digit that matters.
std::string Decimal(double value) {
  std::string text = std::to_string(value);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

bool Mentions(const std::string& message, const char* caption) {
  return message.find(std::string("„") + caption + "“") != std::string::npos;
}

// The set-up's own divisors and results, checked on the values SetUpRun
// computes: whatever the check accepts must set up a run that can start.
void ExpectSoundSetUp(const RunState& s, const std::string& context) {
  SCOPED_TRACE(context);
  for (double v : {s.run.DickeTr,
                   s.run.FlaechenmasseInv,
                   s.run.pDAb,
                   s.run.XAbluft,
                   s.run.ThetaKgr,
                   s.run.pDAu,
                   double(s.run.XAussen),
                   s.run.LuftRohlingVerh,
                   s.run.LuftRohlingVerh / s.in.XAnf,
                   s.run.body.rho0,
                   s.run.body.PhiAnf,
                   s.run.body.offPoren,
                   s.run.body.XSchwEnde,
                   s.run.at25.Schwind25,
                   s.run.at25.rho25,
                   s.run.at25.Phi25,
                   s.run.body.KappaGr,
                   s.now.ThetaLuft,
                   s.now.XLuft,
                   s.now.ThetaOb,
                   s.now.pDLuft,
                   s.run.dx,
                   s.now.qrand,
                   s.now.mRand,
                   s.record.results.Anfangsrate,
                   s.in.deltaT / (s.run.dx * s.run.dx)}) {
    ASSERT_TRUE(std::isfinite(v)) << v;
  }
  EXPECT_GT(s.run.DickeTr, 0);
  EXPECT_LT(s.run.pDAb, 1);
  EXPECT_LT(s.run.pDAu, 1);
  EXPECT_GT(s.run.LuftRohlingVerh, 0);
  EXPECT_GT(s.in.XAnf, 0);
  EXPECT_NE(s.run.body.offPoren, 0);
  EXPECT_NE(s.run.at25.Schwind25, 1);
  EXPECT_NE(s.run.at25.Phi25, 0);
  if (s.in.linTrSchwind > 0.001) {
    EXPECT_NE(s.in.XAnf, s.run.body.XSchwEnde);
  }
  EXPECT_GE(s.run.AnzOS, 1);
  EXPECT_LE(s.run.AnzOS, kMaxAnzOS);
  // The box text read back is a whole number: the count the run works with loses nothing.
  EXPECT_EQ(s.run.AnzOS, SpatialStepsFrom(SpatialStepsText(s.in.Dicke, s.in.Ortsschrittweite)));
  EXPECT_GT(s.in.deltaT, 0);
  EXPECT_GE(s.in.rund, 50);
  EXPECT_EQ(s.in.rund, std::floor(s.in.rund));
  EXPECT_GT(s.in.Waermeuebergang, 0);
  EXPECT_GT(s.in.lambda, 0);
  EXPECT_GT(s.in.mue, 0);
  EXPECT_GT(1 + 1.86 * s.run.XAussen, 0);
  for (double X : {s.in.XAnf, 0.0}) {
    const double kappa = MoistureConductivity(s.run.body, X, 25);
    EXPECT_TRUE(kappa > 0 && std::isfinite(kappa)) << "X " << X << " kappa " << kappa;
  }
}

RunState& SharedState() {
  static RunState* s = new RunState();  // 44 MB of series: one for all tests
  return *s;
}

TEST(InputCheck, AcceptsDefaultsAndUnusualButComputableInputs) {
  const std::vector<Edits> accepted = {
      {},
      {{"txt_Dicke", "20.0"}, {"txt_rhos", "1850,0"}},
      {{"txt_AbluftFeuchte", "99,9"}, {"txt_AussenluftFeuchte", "100"}},  // saturated outside air, nearly saturated exhaust
      {{"txt_Lufttemp", "150"}},                                          // above boiling: 0.99 bar law
      {{"txt_ThetaGegenstromende", "-20"}, {"txt_ThetaEinf", "-5"}},
      {{"txt_linTrSchwind", "0"}},   // no shrinkage: the body starts at its limit moisture
      {{"txt_linTrSchwind", "-2"}},  // swelling is computed as it is
      {{"txt_KappaSteig", "0"}},
      {{"txt_rund", "50"}},
      {{"txt_rund", "500000"}},
      {{"txt_Dicke", "50"}, {"txt_Ortsschrittweite", "0,05"}},  // 500 steps: the largest grid
      {{"txt_Dicke", "2"}, {"txt_Ortsschrittweite", "0,1"}},  // 10 steps: the coarsest grid
      {{"txt_AussenluftFeuchte", "0"}},
      {{"txt_AussenluftFeuchte", "100"}},
      {{"txt_Lufttemp", "35 °C"}},
      {{"txt_ThetaEinf", "-273"}},  // far outside the usual range, yet computable
      {{"txt_Dicke", "35 mm"}},
  };
  NoRunEvents events;
  for (const Edits& e : accepted) {
    const InputTexts t = With(e);
    const std::vector<std::string> problems = CheckInputs(t);
    EXPECT_TRUE(problems.empty()) << (e.empty() ? "defaults" : e[0].first) << ":\n" << Joined(problems);
    if (!problems.empty()) continue;
    SetUpRun(SharedState(), ReadInputs(t).values, events);
    ExpectSoundSetUp(SharedState(), e.empty() ? "defaults" : e[0].first);
  }
}

struct Refusal {
  Edits edits;
  std::vector<const char*> captions;  // named in the one message expected
  const char* phrase;                 // part of that message
};

TEST(InputCheck, RefusesEachHardLimitNamingTheBox) {
  const char* dicke = "Anfangsdicke der Platte in mm";
  const char* ort = "Ortsschrittweite in mm";
  const char* xanf = "Anfangswasserbeladung in kg/kg atro";
  const char* schwind = "lineare Trockenschwindung in %";
  const char* rund = "Anzahl der Berechnungen pro Kurve";
  const std::vector<Refusal> cases = {
      {{{"txt_Ortsschrittweite", "0"}}, {ort}, "der Wert 0 ist nicht zulässig (Division durch null)"},
      {{{"txt_Dicke", ""}}, {dicke}, "leer"},
      {{{"txt_Dicke", "-20"}}, {dicke}, "größer als 0"},
      {{{"txt_Dicke", "1E400"}}, {dicke}, "zu groß, um gelesen zu werden"},
      {{{"txt_rhos", "0"}}, {"Dichte der getrockneten Masse in kg/m³"}, "Division durch null"},
      {{{"txt_XAnf", "abc"}}, {xanf}, "„abc“ ist keine Zahl."},
      {{{"txt_Dicke", "abc"}}, {dicke}, "„abc“ ist keine Zahl."},
      {{{"txt_AussenluftFeuchte", "abc"}}, {"relative Außenluftfeuchtigkeit in %"}, "„abc“ ist keine Zahl."},
      {{{"txt_ThetaEinf", ""}}, {"Temperatur der einfahrenden Rohlinge in °C"}, "leer"},
      {{{"txt_Dicke", "2O"}}, {dicke}, "„2O“ ist keine Zahl: nach der Zahl steht noch „O“"},
      {{{"txt_Dicke", "20x5"}}, {dicke}, "„20x5“ ist keine Zahl"},
      {{{"txt_rhos", "1.850,5"}}, {"Dichte der getrockneten Masse in kg/m³"}, "„1.850,5“ ist keine Zahl"},
      {{{"txt_ThetaEinf", "-300"}}, {"Temperatur der einfahrenden Rohlinge in °C"}, "absoluten Nullpunkt"},
      // Relative humidities lie from 0 to 100 %; saturated exhaust air cannot dry.
      {{{"txt_AussenluftFeuchte", "-50"}}, {"relative Außenluftfeuchtigkeit in %"}, "von 0 bis 100 %"},
      {{{"txt_AussenluftFeuchte", "150"}}, {"relative Außenluftfeuchtigkeit in %"}, "von 0 bis 100 %"},
      {{{"txt_AbluftFeuchte", "101"}}, {"relative Abluftfeuchtigkeit in %"}, "von 0 bis 100 %"},
      {{{"txt_AbluftFeuchte", "100"}}, {"relative Abluftfeuchtigkeit in %"}, "gesättigt"},
      // Less water than the shrinkage volume: the dry body would have negative pores.
      {{{"txt_XAnf", "0,1144"}}, {xanf, "Dichte der getrockneten Masse in kg/m³", schwind},
       "reicht nicht für die Schwindung"},
      // One or nine steps per half plate: too coarse to follow the drying front.
      {{{"txt_Ortsschrittweite", "10"}}, {dicke, ort}, "höchstens 1 mm verkleinern"},
      {{{"txt_Ortsschrittweite", "1,1"}}, {dicke, ort}, "zu grob, um den Trocknungsspiegel zu verfolgen (9 Ortsschritte pro Halbplatte"},
      {{{"txt_linTrSchwind", "100"}}, {schwind}, "kleiner als 100"},
      {{{"txt_linTrSchwind", "150"}}, {schwind}, "kleiner als 100"},
      {{{"txt_Waermeuebergang", "0"}}, {"effekt. Wärmeübergangskoeff. in W/(m² K)"}, "Division durch null"},
      {{{"txt_Waermeuebergang", "-50"}}, {"effekt. Wärmeübergangskoeff. in W/(m² K)"}, "größer als 0"},
      {{{"txt_lambda", "0,0"}}, {"Wärmeleitkoeff. der trock. Platte in W/(m K)"}, "Division durch null"},
      {{{"txt_mue", "-20"}}, {"Diff.-Widerstandszahl der trockenen Masse"}, "größer als 0"},
      {{{"txt_Feuchteleit", "0"}}, {"Feuchteleitk. (25% atro, 25°C) in 10^(-9) m²/s"}, "Division durch null"},
      {{{"txt_deltaT", "0"}}, {"Zeitschrittweite in s"}, "die Zeit käme nicht voran"},
      {{{"txt_deltaT", "-0,5"}}, {"Zeitschrittweite in s"}, "größer als 0"},
      {{{"txt_rund", "49"}}, {rund}, "muss eine ganze Zahl von 50 bis 500000 sein"},
      {{{"txt_rund", "1200,5"}}, {rund}, "(gelesen: 1200,5)"},
      {{{"txt_rund", "1E6"}}, {rund}, "muss eine ganze Zahl von 50 bis 500000 sein"},
      // 20 / 0.01 / 2 = 1000 steps do not fit the profile; 0.4 / 1 / 2 rounds to none.
      {{{"txt_Ortsschrittweite", "0,01"}}, {dicke, ort}, "sie ist 1000."},
      {{{"txt_Dicke", "0,4"}, {"txt_Ortsschrittweite", "1"}}, {dicke, ort}, "sie ist 0."},
      // The exhaust must be moister than the outside air, or no air carries the water off.
      {{{"txt_AbluftFeuchte", "15"}}, {"relative Abluftfeuchtigkeit in %", "relative Außenluftfeuchtigkeit in %"},
       "keinen positiven Luftdurchsatz"},
      // Just above absolute zero the Magnus law passes its pole: the
      // "saturation pressure" exceeds the total pressure.
      {{{"txt_Lufttemp", "-273"}}, {"relative Abluftfeuchtigkeit in %", "Ablufttemperatur in °C"}, "1 bar"},
      // 1.52679 XAnf water volume against 1 + 0.3817: beyond XAnf 0.905 the body has no volume left.
      {{{"txt_XAnf", "1"}}, {xanf}, "negatives Volumen"},
      // 10^(-2000 * 0.25) underflows: the dry body would not conduct moisture at all.
      {{{"txt_KappaSteig", "2000"}}, {"Kappa-Steigung unter Grenzfeuchte"}, "größer als 0 sein"},
      {{{"txt_Feuchteleit", "1E300"}, {"txt_KappaSteig", "-1300"}}, {"Kappa-Steigung unter Grenzfeuchte"},
       "endlich"},
      {{{"txt_Waermeuebergang", "1E308"}, {"txt_Lufttemp", "1E306"}}, {"effekt. Wärmeübergangskoeff. in W/(m² K)"},
       "keinen endlichen Wert"},
      {{{"txt_ThetaEinf", "1E308"}}, {"Temperatur der einfahrenden Rohlinge in °C"}, "keinen endlichen Wert"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(std::string(c.edits[0].first) + " = " + c.edits[0].second);
    const std::vector<std::string> problems = CheckInputs(With(c.edits));
    ASSERT_EQ(problems.size(), 1u) << Joined(problems);
    for (const char* caption : c.captions) EXPECT_TRUE(Mentions(problems[0], caption)) << problems[0];
    EXPECT_NE(problems[0].find(c.phrase), std::string::npos) << problems[0];
  }
}

// A plate so dense that its shrinkage water is lost in the last digit: the
// set-up's limit moisture equals the initial moisture, and the shrinkage
// curves would divide by their difference.
TEST(InputCheck, RefusesLimitMoistureEqualToInitialMoistureWhileShrinking) {
  const InputTexts t = With({{"txt_rhos", "1E16"}, {"txt_linTrSchwind", "0,002"}});
  NoRunEvents events;
  RunState& s = SharedState();
  SetUpRun(s, ReadInputs(t).values, events);
  ASSERT_EQ(s.run.body.XSchwEnde, s.in.XAnf);  // the premise of this case
  const std::vector<std::string> problems = CheckInputs(t);
  ASSERT_EQ(problems.size(), 1u) << Joined(problems);
  EXPECT_TRUE(Mentions(problems[0], "Anfangswasserbeladung in kg/kg atro")) << problems[0];
  EXPECT_TRUE(Mentions(problems[0], "lineare Trockenschwindung in %")) << problems[0];
}

TEST(InputCheck, ListsEveryProblemAtOnceWithCaptionsTrimmed) {
  const std::vector<std::string> problems = CheckInputs(With({{"txt_Ortsschrittweite", "0"},
                                                              {"txt_rund", "10"},
                                                              {"txt_deltaT", "0"},
                                                              {"txt_Lufttemp", "1D999"},
                                                              {"txt_mue", "0"}}));
  ASSERT_EQ(problems.size(), 5u) << Joined(problems);
  const std::string all = Joined(problems);
  for (const char* caption : {"Ortsschrittweite in mm", "Anzahl der Berechnungen pro Kurve",
                              "Zeitschrittweite in s", "Diff.-Widerstandszahl der trockenen Masse"}) {
    EXPECT_TRUE(Mentions(all, caption)) << caption;
  }
  // "Ablufttemperatur in °C " carries a trailing blank in the window; the message does not.
  EXPECT_TRUE(Mentions(all, "Ablufttemperatur in °C")) << all;
}

// A tab, the carriage return of a line copied from a CRLF list, another
// control character, bytes that are not UTF-8 or a text longer than a box
// takes: the number in front would read, but a case file could not keep the
// text and the box would hide it. Refused naming the box and the character.
TEST(InputCheck, RefusesControlCharactersAndTextsNoFileKeepsNamingBoxAndCharacter) {
  const struct {
    Input box;
    std::string text;
    const char* caption;
    std::string phrase;
  } cases[] = {
      {Input::Dicke, "3\r", "Anfangsdicke der Platte in mm", "„3\\r“ enthält das Steuerzeichen \\r"},
      {Input::Dicke, "20\t", "Anfangsdicke der Platte in mm", "Steuerzeichen \\t"},
      {Input::rhos, "\t1850", "Dichte der getrockneten Masse in kg/m³", "Steuerzeichen \\t"},
      {Input::deltaT, "\t", "Zeitschrittweite in s", "Steuerzeichen \\t"},
      {Input::Lufttemp, "35\n", "Ablufttemperatur in °C", "Steuerzeichen \\n"},
      {Input::XAnf, "0,2\x01", "Anfangswasserbeladung in kg/kg atro", "Steuerzeichen U+0001"},
      {Input::mue, "20\x7f", "Diff.-Widerstandszahl der trockenen Masse", "Steuerzeichen U+007F"},
      {Input::mue, "20 \xC2\x85", "Diff.-Widerstandszahl der trockenen Masse", "Steuerzeichen U+0085"},
      {Input::Lufttemp, "35 \xB0" "C", "Ablufttemperatur in °C", "„35 \\xB0C“ ist kein gültiger UTF-8-Text (Byte \\xB0)"},
      {Input::Dicke, "20" + std::string(kMaxInputTextBytes, ' '), "Anfangsdicke der Platte in mm",
       "zu lang (32769 Bytes, höchstens 32767)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.phrase);
    InputTexts t = InputTexts::Defaults();
    t[c.box] = c.text;
    const std::vector<InputProblem> problems = FindInputProblems(t);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].fields, std::vector<Input>{c.box});
    EXPECT_TRUE(Mentions(problems[0].text, c.caption)) << problems[0].text;
    EXPECT_NE(problems[0].text.find(c.phrase), std::string::npos) << problems[0].text;
  }
  // Blanks alone are still an empty box, and a text just as long as a box takes is kept.
  EXPECT_NE(Joined(CheckInputs(With({{"txt_Dicke", "   "}}))).find("leer"), std::string::npos);
  InputTexts longest = InputTexts::Defaults();
  longest[Input::Dicke] = "20" + std::string(kMaxInputTextBytes - 2, ' ');
  EXPECT_TRUE(FindInputProblems(longest).empty());
}

// Random texts in random boxes: no crash, every message names a box, and
// whatever is accepted reads as finite numbers and sets up a sound run.
TEST(InputCheck, RandomTextsNeverCrashAndAcceptedOnesSetUpSoundly) {
  std::mt19937 rng(20070507);
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto digits = [&](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + uniform(0, 9));
    return s;
  };
  auto randomText = [&](const InputField& f) -> std::string {
    switch (uniform(0, 5)) {
      case 0: {  // raw bytes
        std::string s;
        for (int i = uniform(0, 12); i > 0; --i) s += static_cast<char>(uniform(0, 255));
        return s;
      }
      case 1: {  // number-like with sign, separator and exponent
        std::string s;
        if (uniform(0, 3) == 0) s += "+- "[uniform(0, 2)];
        s += digits(uniform(0, 4));
        if (uniform(0, 1)) s += ",. "[uniform(0, 2)] + digits(uniform(0, 4));
        if (uniform(0, 2) == 0) s += std::string(1, "EeDd"[uniform(0, 3)]) + "+-"[uniform(0, 1)] + digits(uniform(1, 3));
        return s;
      }
      case 2:  // huge exponents around the double range
        return std::string(uniform(0, 1) ? "-" : "") + digits(uniform(1, 2)) + "E" + std::to_string(uniform(290, 420));
      case 3:
        return uniform(0, 1) ? "" : "&H" + digits(uniform(1, 20));
      default: {  // the default value scaled: near-default values probe the limits
        const double v = ParseNumber(f.defaultText).value_or(0) * std::uniform_real_distribution<double>(-0.5, 3)(rng);
        std::string s = std::to_string(v);
        for (char& c : s) {
          if (c == '.') c = ',';
        }
        return s;
      }
    }
  };

  NoRunEvents events;
  RunState& s = SharedState();
  int accepted = 0, refused = 0;
  for (int n = 0; n < 100000; ++n) {
    InputTexts t = InputTexts::Defaults();
    for (int k = uniform(1, 3); k > 0; --k) {
      const InputField& f = InputFields()[static_cast<std::size_t>(uniform(0, kInputCount - 1))];
      t[f.id] = randomText(f);
    }
    const std::vector<std::string> problems = CheckInputs(t);
    if (!problems.empty()) {
      ++refused;
      for (const std::string& m : problems) {
        bool named = false;
        for (const InputField& f : InputFields()) {
          std::string caption = f.caption;
          while (caption.back() == ' ') caption.pop_back();
          named = named || Mentions(m, caption.c_str());
        }
        ASSERT_TRUE(named) << m;
      }
      continue;
    }
    ++accepted;
    for (const InputField& f : InputFields()) {
      const std::optional<double> v = ParseNumber(t[f.id]);
      ASSERT_TRUE(v && std::isfinite(*v)) << f.box << " = " << t[f.id];
    }
    SetUpRun(s, ReadInputs(t).values, events);
    std::string context;
    for (const InputField& f : InputFields()) context += std::string(f.box) + "=" + t[f.id] + " ";
    ExpectSoundSetUp(s, context);
    if (HasFailure()) return;
  }
  // Both outcomes must be well represented, or the test proves nothing.
  EXPECT_GT(accepted, 10000);
  EXPECT_GT(refused, 10000);
}

// Whenever the initial water does not fill the shrinkage volume, the one
// refusal names the boxes that cause it and says why, not a later law that
// fails on the negative porosity.
TEST(InputCheck, NegativePorosityIsRefusedForItsRealCause) {
  std::mt19937 rng(150);
  auto in = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  int negative = 0;
  for (int n = 0; n < 2000; ++n) {
    const std::string rhos = Decimal(in(1000, 2500)), XAnf = Decimal(in(0.02, 0.3)), schwind = Decimal(in(0, 15));
    ClayBody b;
    b.rhos = *ParseNumber(rhos);
    DeriveClayBody(b, *ParseNumber(XAnf), *ParseNumber(schwind), 40e-9);
    if (!(b.offPoren <= 0)) continue;
    ++negative;
    const std::vector<InputProblem> problems = FindInputProblems(
        With({{"txt_rhos", rhos.c_str()}, {"txt_XAnf", XAnf.c_str()}, {"txt_linTrSchwind", schwind.c_str()}}));
    ASSERT_EQ(problems.size(), 1u) << problems[0].text;
    EXPECT_EQ(problems[0].fields, (std::vector<Input>{Input::XAnf, Input::rhos, Input::linTrSchwind}));
    EXPECT_NE(problems[0].text.find("reicht nicht für die Schwindung"), std::string::npos) << problems[0].text;
  }
  EXPECT_GT(negative, 100);
}

// Every default lies inside its usual range, or the window would warn on its
// own defaults; every range is a real interval with a unit where the caption has one.
TEST(UsualRanges, HoldTheDefaultsAndMatchTheCaptions) {
  for (const InputField& f : InputFields()) {
    const double value = *ParseNumber(f.defaultText);
    EXPECT_LT(f.usualMin, f.usualMax) << f.box;
    EXPECT_GE(value, f.usualMin) << f.box;
    EXPECT_LE(value, f.usualMax) << f.box;
    if (*f.unit) {
      EXPECT_NE(std::string(f.caption).find(f.unit), std::string::npos) << f.box;
    }
  }
}

}  // namespace
}  // namespace lamvero
