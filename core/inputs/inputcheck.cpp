#include "inputs/inputcheck.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include "inputs/inputreading.h"
#include "physics/claybody.h"
#include "physics/energybalance.h"
#include "physics/moistair.h"
#include "physics/moisturestep.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/parsenumber.h"
#include "text/shownchars.h"
#include "text/trim.h"

namespace lamvero {

namespace {

// The largest curve interval worth asking for: the time series hold no more
// time steps, so a longer interval could never end with a drawn curve.
constexpr double kMaxRund = 500000;

constexpr double kAbsoluteZero = -273.15;  // °C

// The fewest spatial steps per half plate with which the drying front can be
// followed. Measured on the default plate: with 1 or 2 steps a slowly
// conducting body never reaches the end, the interpolated front passes the
// centre by half the plate or a quarter of it, and the drying time is off by a
// factor of 4 or 2.4; from 10 steps on the front overshoots by at most 5 % and
// the drying time settles towards the fine grid's.
constexpr double kMinAnzOS = 10;

// A text in the quotes of the user's language: „text“ in German.
std::string InQuotes(const std::string& text) { return Filled(Tr("Eingabeprüfung", "„%1“"), {text}); }

// „caption“ of an input box, without the trailing blanks some captions carry.
std::string Quoted(Input id) { return InQuotes(ShownCaption(id)); }

// The quoted captions of the boxes as a list: „A“, „B“ und „C“.
std::string QuotedList(std::initializer_list<Input> ids) {
  std::string names;
  std::size_t k = 0;
  for (Input id : ids) {
    if (k == 0) {
      names = Quoted(id);
    } else if (k + 1 < ids.size()) {
      names += ", " + Quoted(id);
    } else {
      names = Filled(Tr("Eingabeprüfung", "%1 und %2"), {names, Quoted(id)});
    }
    ++k;
  }
  return names;
}

// A number as the reader expects it: up to `digits` significant digits, the
// decimal separator of the language.
std::string Shown(double value, int digits = 15) {
  if (std::isnan(value)) return Tr("Eingabeprüfung", "keine Zahl");
  if (std::isinf(value)) return value > 0 ? Tr("Eingabeprüfung", "unendlich") : Tr("Eingabeprüfung", "minus unendlich");
  return FormatSignificant(value, digits);
}

// A text as typed, in quotes, its control characters escaped; a very long
// one is cut short.
std::string QuotedText(const std::string& typed) {
  constexpr std::size_t kShown = 40;
  const std::string text = ShownText(typed);
  if (text.size() <= kShown) return InQuotes(text);
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // not inside a UTF-8 character
  return InQuotes(text.substr(0, cut) + "…");
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

class Checker {
 public:
  Checker(const InputTexts& texts, const InputReading& reading, int maxSpatialSteps)
      : texts_(texts), reading_(reading), maxSpatialSteps_(maxSpatialSteps) {}

  std::vector<InputProblem> Run() {
    ReadAll();
    for (Input id : {Input::Dicke, Input::Ortsschrittweite, Input::rhos, Input::XAnf, Input::Waermeuebergang,
                     Input::lambda, Input::mue, Input::Feuchteleit}) {
      CheckPositive(id, LV_TR_NOOP("Eingabeprüfung", "Division durch null"));
    }
    CheckPositive(Input::deltaT, LV_TR_NOOP("Eingabeprüfung", "die Zeit käme nicht voran"));
    CheckShrinkage();
    CheckTemperatures();
    CheckHumidities();
    CheckCurveInterval();
    CheckGrid();
    CheckPlate();
    CheckAir();
    CheckBody();
    return std::move(problems_);
  }

 private:
  // Input values in model units, as the set-up reads them.
  double Dicke() const { return reading_.values.Dicke; }
  double Ortsschrittweite() const { return reading_.values.Ortsschrittweite; }
  double rhos() const { return reading_.values.rhos; }
  double XAnf() const { return reading_.values.XAnf; }
  double Lufttemp() const { return reading_.values.Lufttemp; }
  double AbluftFeuchte() const { return reading_.values.AbluftFeuchte; }
  double Waermeuebergang() const { return reading_.values.Waermeuebergang; }
  double AussenluftTemp() const { return reading_.values.AussenluftTemp; }
  double AussenluftFeuchte() const { return reading_.values.AussenluftFeuchte; }
  double deltaT() const { return reading_.values.deltaT; }
  double linTrSchwind() const { return reading_.values.linTrSchwind; }
  double Feuchteleit() const { return reading_.values.Feuchteleit; }
  double ThetaEinf() const { return reading_.values.ThetaEinf; }

  double v(Input id) const { return value_[Index(id)]; }
  static std::size_t Index(Input id) { return static_cast<std::size_t>(id); }

  // A box whose value the later checks may compute with: readable and not
  // already refused on its own.
  bool Usable(std::initializer_list<Input> ids) const {
    for (Input id : ids) {
      if (!usable_[Index(id)]) return false;
    }
    return true;
  }

  void Refuse(std::initializer_list<Input> ids, const std::string& what) {
    problems_.push_back({std::vector<Input>(ids), QuotedList(ids) + ": " + what});
    for (Input id : ids) usable_[Index(id)] = false;
  }

  // A derived quantity must be a finite number; false (and one message) if not.
  // `what` is marked for the catalogue where it is named.
  bool Finite(double value, const char* what, std::initializer_list<Input> ids) {
    if (std::isfinite(value)) return true;
    Refuse(ids, Filled(Tr("Eingabeprüfung", "die Eingaben ergeben keinen endlichen Wert für %1."),
                       {Tr("Eingabeprüfung", what)}));
    return false;
  }

  // Every box must hold a number, perhaps with its unit; a text that is no
  // number is refused, not read as 0.
  void ReadAll() {
    for (const InputField& f : InputFields()) {
      const std::size_t i = Index(f.id);
      const InputNumber x = ReadInputNumber(texts_[f.id]);
      usable_[i] = true;
      value_[i] = x.value;
      if (const std::string why = UnkeptInputText(texts_[f.id]); !why.empty()) {
        Refuse({f.id}, why);
        continue;
      }
      switch (x.reading) {
        case NumberReading::Number: break;
        case NumberReading::NoNumber:
          Refuse({f.id}, IsBlank(texts_[f.id])
                             ? Tr("Eingabeprüfung", "das Feld ist leer; bitte eine Zahl eingeben.")
                             : Filled(Tr("Eingabeprüfung", "%1 ist keine Zahl."), {QuotedText(texts_[f.id])}));
          break;
        case NumberReading::TrailingText:
          Refuse(
              {f.id},
              Filled(Tr("Eingabeprüfung",
                        "%1 ist keine Zahl: nach der Zahl steht noch %2 (erlaubt ist nur eine Einheit ohne Ziffern)."),
                     {QuotedText(texts_[f.id]), QuotedText(x.rest)}));
          break;
        case NumberReading::TooLarge:
          Refuse({f.id}, Tr("Eingabeprüfung", "die Zahl ist zu groß, um gelesen zu werden."));
          break;
      }
    }
  }

  // Thicknesses, steps, densities, moisture, conductivities, the resistance
  // factor and the time step divide somewhere or set the pace of the run; zero
  // or a negative value gives no meaningful run. The reason is marked for the
  // catalogue where it is named.
  void CheckPositive(Input id, const char* zeroReason) {
    if (!Usable({id}) || v(id) > 0) return;
    if (v(id) == 0) {
      Refuse({id},
             Filled(Tr("Eingabeprüfung", "der Wert 0 ist nicht zulässig (%1)."), {Tr("Eingabeprüfung", zeroReason)}));
    } else {
      Refuse({id}, Filled(Tr("Eingabeprüfung", "der Wert %1 ist nicht zulässig; er muss größer als 0 sein."),
                          {Shown(v(id))}));
    }
  }

  // At 100 % the dry plate has no thickness left, beyond it a negative one.
  void CheckShrinkage() {
    if (!Usable({Input::linTrSchwind}) || linTrSchwind() < 100) return;
    Refuse({Input::linTrSchwind},
           Filled(Tr("Eingabeprüfung", "der Wert %1 ist nicht zulässig; die Schwindung muss kleiner als 100 % sein."),
                  {Shown(linTrSchwind())}));
  }

  // No temperature lies below absolute zero.
  void CheckTemperatures() {
    for (Input id : {Input::ThetaEinf, Input::AussenluftTemp, Input::Lufttemp, Input::ThetaGegenstromende}) {
      if (!Usable({id}) || v(id) >= kAbsoluteZero) continue;
      Refuse({id}, Filled(Tr("Eingabeprüfung", "der Wert %1 °C liegt unter dem absoluten Nullpunkt (%2 °C)."),
                          {Shown(v(id)), Shown(kAbsoluteZero)}));
    }
  }

  // A relative humidity lies from 0 to 100 %. Exhaust air at 100 % is
  // saturated: it has no drying potential, the plate would take up water.
  void CheckHumidities() {
    for (Input id : {Input::AussenluftFeuchte, Input::AbluftFeuchte}) {
      if (!Usable({id})) continue;
      const double phi = v(id);
      if (phi < 0 || phi > 100) {
        Refuse({id}, Filled(Tr("Eingabeprüfung",
                               "der Wert %1 % ist nicht zulässig; eine relative Feuchte liegt von 0 bis 100 %."),
                            {Shown(phi)}));
      } else if (id == Input::AbluftFeuchte && phi == 100) {
        Refuse({id}, Tr("Eingabeprüfung",
                        "bei 100 % ist die Abluft gesättigt und kann kein Wasser mehr aufnehmen; die Platte würde "
                        "befeuchtet statt getrocknet. Die Abluftfeuchte muss kleiner als 100 % sein."));
      }
    }
  }

  // The live displays come every Int(rund/50) steps and a curve interval ends
  // only when the step counter equals rund.
  void CheckCurveInterval() {
    const double rund = v(Input::rund);
    if (!Usable({Input::rund}) || (rund >= 50 && rund <= kMaxRund && rund == std::floor(rund))) return;
    problems_.push_back({{Input::rund},
                         Filled(Tr("Eingabeprüfung", "%1 muss eine ganze Zahl von 50 bis 500000 sein (gelesen: %2)."),
                                {Quoted(Input::rund), Shown(rund)})});
  }

  // Spatial steps per half plate: the set-up writes Dicke / Ortsschrittweite / 2
  // as "#0" into its box and reads that text back.
  void CheckGrid() {
    if (!Usable({Input::Dicke, Input::Ortsschrittweite})) return;
    const double steps = Dicke() / Ortsschrittweite() / 2;
    // Far beyond the limit the text round trip changes nothing of the verdict.
    AnzOS_ = steps < 1e9 ? SpatialStepsFrom(SpatialStepsText(Dicke(), Ortsschrittweite())) : steps;
    if (AnzOS_ >= kMinAnzOS && AnzOS_ <= maxSpatialSteps_) {
      gridOk_ = true;
      return;
    }
    const std::vector<Input> grid = {Input::Dicke, Input::Ortsschrittweite};
    const std::string names = QuotedList({Input::Dicke, Input::Ortsschrittweite});
    if (AnzOS_ >= 1 && AnzOS_ < kMinAnzOS) {
      problems_.push_back(
          {grid, names + ": " +
                     Filled(Tr("Eingabeprüfung",
                               "das Gitter ist zu grob, um den Trocknungsspiegel zu verfolgen (%1 Ortsschritte pro "
                               "Halbplatte, es braucht mindestens 10). Bitte die Ortsschrittweite auf höchstens "
                               "%2 mm verkleinern."),
                            {Shown(AnzOS_), Shown(Dicke() / (2 * kMinAnzOS), 4)})});
      return;
    }
    problems_.push_back(
        {grid, names + ": " +
                   Filled(Tr("Eingabeprüfung",
                             "die Anzahl der Ortsschritte pro Halbplatte (Dicke / Ortsschrittweite / 2, "
                             "gerundet) muss von 10 bis %1 reichen; sie ist %2."),
                          {std::to_string(maxSpatialSteps_), Shown(AnzOS_)})});
  }

  // Dry thickness and the face mass of the half plate.
  void CheckPlate() {
    if (!Usable({Input::Dicke, Input::linTrSchwind})) return;
    const double DickeTr = Dicke() / 1000 * (1 - linTrSchwind() / 100);
    if (!(DickeTr > 0)) {
      Refuse({Input::Dicke},
             Tr("Eingabeprüfung", "die Dicke der trockenen Platte ergibt sich zu 0 (Division durch null)."));
      return;
    }
    if (Usable({Input::rhos}) &&
        !Finite(2 / (rhos() * DickeTr), LV_TR_NOOP("Eingabeprüfung", "die Flächenmasse der Platte"),
                {Input::Dicke, Input::rhos})) {
      return;
    }
    if (!gridOk_ || !Usable({Input::deltaT})) return;
    const double dx = DickeTr / (2 * AnzOS_);
    Finite(deltaT() / (dx * dx), LV_TR_NOOP("Eingabeprüfung", "Zeitschrittweite / Ortsschrittweite²"),
           {Input::Dicke, Input::Ortsschrittweite, Input::deltaT});
  }

  // Vapour pressure of an air state at 1 bar total pressure; its humidity
  // ratio 0.622 pD / (1 - pD) needs pD < 1 bar. `tooHigh` names that air's
  // pressure %1 reaching 1 bar; it is marked for the catalogue where it is named.
  std::optional<double> VapourPressure(double theta, double relHumidity, Input tempBox, Input humidityBox,
                                       const char* tooHigh) {
    const double pD = SaturationPressure(theta) * relHumidity;
    if (!std::isfinite(pD)) {
      Refuse({tempBox}, Tr("Eingabeprüfung", "bei dieser Temperatur gibt es keinen endlichen Sättigungsdampfdruck."));
      return std::nullopt;
    }
    if (pD >= 1) {
      Refuse({humidityBox, tempBox}, Filled(Tr("Eingabeprüfung", tooHigh), {Shown(pD, 6)}));
      return std::nullopt;
    }
    return pD;
  }

  void CheckAir() {
    std::optional<double> pDAb, pDAu;
    if (Usable({Input::Lufttemp, Input::AbluftFeuchte})) {
      pDAb = VapourPressure(Lufttemp(), AbluftFeuchte(), Input::Lufttemp, Input::AbluftFeuchte,
                            LV_TR_NOOP("Eingabeprüfung",
                                       "der Wasserdampfdruck der Abluft (%1 bar) erreicht den "
                                       "Gesamtdruck von 1 bar."));
    }
    if (Usable({Input::AussenluftTemp, Input::AussenluftFeuchte})) {
      pDAu = VapourPressure(AussenluftTemp(), AussenluftFeuchte(), Input::AussenluftTemp, Input::AussenluftFeuchte,
                            LV_TR_NOOP("Eingabeprüfung",
                                       "der Wasserdampfdruck der Außenluft (%1 bar) erreicht den "
                                       "Gesamtdruck von 1 bar."));
    }
    if (pDAb) CheckExhaustAir(*pDAb);
    if (!pDAb || !pDAu) return;

    const double XAbluft = HumidityRatio(*pDAb);
    const double XAussenWide = HumidityRatio(*pDAu);
    // |pD| < 1 keeps this far inside the float range; the guard keeps the
    // narrowing defined whatever the law returns.
    if (!(std::fabs(XAussenWide) <= FLT_MAX)) {
      Refuse({Input::AussenluftFeuchte}, Tr("Eingabeprüfung",
                                            "die Wasserbeladung der Außenluft ist als Zahl einfacher Genauigkeit "
                                            "nicht darstellbar."));
      return;
    }
    const float XAussen = static_cast<float>(XAussenWide);
    // The air takes up the plate's water between the outside and the exhaust
    // state: only a moister exhaust gives a positive air throughput.
    if (!(XAbluft > XAussen)) {
      Refuse(
          {Input::AbluftFeuchte, Input::AussenluftFeuchte},
          Filled(
              Tr("Eingabeprüfung",
                 "die Abluft (Wasserbeladung %1 kg/kg) muss feuchter sein als die Außenluft (%2 kg/kg), sonst gibt es "
                 "keinen positiven Luftdurchsatz."),
              {Shown(XAbluft, 6), Shown(XAussen, 6)}));
      return;
    }
    CheckThroughput(XAbluft, XAussen);
  }

  // The air throughput that carries the plate's water away, and the dryer's
  // energy balance built on it.
  void CheckThroughput(double XAbluft, float XAussen) {
    if (!Usable({Input::XAnf})) return;
    const double LuftRohlingVerh = XAnf() / (XAbluft - XAussen);
    const std::initializer_list<Input> airBoxes = {Input::XAnf, Input::AbluftFeuchte, Input::AussenluftFeuchte};
    if (!Finite(LuftRohlingVerh, LV_TR_NOOP("Eingabeprüfung", "den spezifischen Luftdurchsatz"), airBoxes) ||
        !Finite(LuftRohlingVerh / XAnf(), LV_TR_NOOP("Eingabeprüfung", "den Luftdurchsatz pro kg Wasser"), airBoxes)) {
      return;
    }
    if (!Usable({Input::ThetaEinf, Input::Lufttemp})) return;
    // Energy balance of the dryer at the end of the run; it is linear in the
    // final core temperature, which lies within the wet-bulb range 0..101 °C.
    for (double ThetaK : {0.0, 101.0}) {
      const double ThetaZuluft =
          SupplyAirTemperature(Lufttemp(), XAbluft, XAussen, ThetaK, ThetaEinf(), XAnf(), LuftRohlingVerh);
      if (!Finite(ThetaZuluft, LV_TR_NOOP("Eingabeprüfung", "die Temperatur der Trocknerzuluft"),
                  {Input::ThetaEinf, Input::Lufttemp})) {
        return;
      }
      if (!Usable({Input::AussenluftTemp})) continue;
      const double spezEnergie = SpecificEnergy(ThetaZuluft, AussenluftTemp(), LuftRohlingVerh, XAnf());
      if (!Finite(spezEnergie, LV_TR_NOOP("Eingabeprüfung", "den spezifischen Energiebedarf"),
                  {Input::ThetaEinf, Input::AussenluftTemp})) {
        return;
      }
    }
  }

  // The air at the plate when the run starts and the initial evaporation.
  void CheckExhaustAir(double pDAb) {
    const double XAbluft = HumidityRatio(pDAb);
    const double ThetaKgr = WetBulbTemperature(Lufttemp(), XAbluft);
    if (!Finite(HumidityFromWetBulb(Lufttemp(), ThetaKgr), LV_TR_NOOP("Eingabeprüfung", "die Wasserbeladung der Luft"),
                {Input::Lufttemp}) ||
        !Finite(VapourPressureFromWetBulb(Lufttemp(), ThetaKgr),
                LV_TR_NOOP("Eingabeprüfung", "den Dampfdruck der Luft"), {Input::Lufttemp})) {
      return;
    }
    if (!Usable({Input::Waermeuebergang})) return;
    const double qrand = Waermeuebergang() * (Lufttemp() - ThetaKgr);
    const double mRand = -qrand / LatentHeat(ThetaKgr);
    Finite(3600 * (-mRand), LV_TR_NOOP("Eingabeprüfung", "die anfängliche Verdunstungsrate"),
           {Input::Waermeuebergang, Input::Lufttemp});
  }

  // The clay body: ideal volumetric shrinkage down to the limit moisture, the
  // state at 0.25 kg/kg and the moisture conductivity built on it.
  void CheckBody() {
    const std::initializer_list<Input> bodyBoxes = {Input::XAnf, Input::rhos, Input::linTrSchwind};
    if (!Usable(bodyBoxes)) return;
    ClayBody b;
    b.rhos = rhos();
    const BodyAt25 at25 = DeriveClayBody(b, XAnf(), linTrSchwind(), Feuchteleit());
    if (GreenBodyOk(b, bodyBoxes) && BodyAt25Ok(at25, bodyBoxes)) CheckConductivity(b);
  }

  // The green body: its density, water content and open pores, and the
  // moisture range of its shrinkage.
  bool GreenBodyOk(const ClayBody& b, std::initializer_list<Input> bodyBoxes) {
    if (!(b.rho0 > 0)) {
      Refuse({Input::rhos},
             Tr("Eingabeprüfung", "die Dichte ist zu klein; die Masse des feuchten Rohlings ergibt sich zu 0."));
      return false;
    }
    if (!Finite(b.PhiAnf, LV_TR_NOOP("Eingabeprüfung", "den anfänglichen Wassergehalt"), bodyBoxes)) return false;
    if (!Finite(b.offPoren, LV_TR_NOOP("Eingabeprüfung", "die offene Porosität"), bodyBoxes) ||
        !Finite(b.XSchwEnde, LV_TR_NOOP("Eingabeprüfung", "die Wasserbeladung am Schwindungsende"), bodyBoxes)) {
      return false;
    }
    // The water of the green body must at least fill the volume it loses by
    // shrinking; what is left are the open pores of the dry body, by which the
    // conductivity law and the vapour velocity divide.
    if (b.offPoren <= 0) {
      const double shrinkVolume = 1 - (1 - linTrSchwind() / 100) * (1 - linTrSchwind() / 100) *
                                          (1 - linTrSchwind() / 100);
      const double XMin = 1000 * shrinkVolume / b.rho0;
      Refuse(bodyBoxes,
             Filled(Tr("Eingabeprüfung",
                       "das Anfangswasser reicht nicht für die Schwindung: bei dieser Dichte und Schwindung "
                       "braucht schon das Schwindungsvolumen %1 kg/kg Wasser, die offene Porosität im trockenen "
                       "Zustand ergäbe sich zu %2 %. Anfangswasserbeladung erhöhen oder Schwindung verkleinern."),
                    {Shown(XMin, 4), Shown(100 * b.offPoren, 3)}));
      return false;
    }
    // The shrinkage curves divide by the moisture range of the shrinkage.
    if (linTrSchwind() > 0.001 && XAnf() == b.XSchwEnde) {
      Refuse({Input::XAnf, Input::linTrSchwind},
             Tr("Eingabeprüfung",
                "die Wasserbeladung am Schwindungsende ist gleich der Anfangswasserbeladung, obwohl die Platte "
                "schwindet (Division durch null)."));
      return false;
    }
    return true;
  }

  // The body at 0.25 kg/kg, on which the conductivity law is built.
  bool BodyAt25Ok(const BodyAt25& at25, std::initializer_list<Input> bodyBoxes) {
    // With finite rho0 and PhiAnf, the shrinkage at 0.25 kg/kg is not a
    // number only when the relative volume under its cube root is negative:
    // the water lost down to that moisture would be more than the green volume.
    if (std::isnan(at25.Schwind25)) {
      Refuse({Input::XAnf}, Tr("Eingabeprüfung",
                               "für diese Dichte und Schwindung zu groß: der Rohling hätte bei 0,25 kg/kg ein "
                               "negatives Volumen (Wurzel aus einer negativen Zahl)."));
      return false;
    }
    if (at25.Schwind25 == 1) {
      Refuse({Input::XAnf}, Tr("Eingabeprüfung",
                               "für diese Dichte und Schwindung zu groß: der Rohling hätte bei 0,25 kg/kg kein "
                               "Volumen mehr (Division durch null)."));
      return false;
    }
    if (!Finite(at25.Phi25, LV_TR_NOOP("Eingabeprüfung", "den Wassergehalt bei 0,25 kg/kg"), bodyBoxes)) return false;
    if (at25.Phi25 == 0) {
      Refuse(bodyBoxes,
             Tr("Eingabeprüfung", "der Wassergehalt bei 0,25 kg/kg ergibt sich zu 0 (Division durch null)."));
      return false;
    }
    return true;
  }

  // The moisture conductivity from the wet state down to the dry state.
  void CheckConductivity(ClayBody b) {
    if (!Usable({Input::Feuchteleit})) return;
    if (!Finite(b.KappaGr, LV_TR_NOOP("Eingabeprüfung", "die Feuchteleitfähigkeit am Schwindungsende"),
                {Input::Feuchteleit, Input::XAnf}) ||
        !Usable({Input::KappaSteig})) {
      return;
    }
    b.KappaSteig = v(Input::KappaSteig);
    // The surface and the drying front divide by the conductivity of the body,
    // from the wet state down to the dry state (the law is monotonic between).
    for (double X : {XAnf(), 0.0}) {
      const double kappa = MoistureConductivity(b, X, 25);
      if (!(kappa > 0) || !std::isfinite(kappa)) {
        Refuse({Input::KappaSteig, Input::Feuchteleit},
               Filled(Tr("Eingabeprüfung",
                         "die Feuchteleitfähigkeit bei %1 kg/kg ergibt sich zu %2 m²/s; sie muss endlich und größer "
                         "als 0 sein."),
                      {Shown(X, 6), Shown(kappa, 6)}));
        return;
      }
    }
  }

  const InputTexts& texts_;
  const InputReading& reading_;
  const int maxSpatialSteps_;
  std::array<double, kInputCount> value_{};
  std::array<bool, kInputCount> usable_{};
  double AnzOS_ = 0;
  bool gridOk_ = false;
  std::vector<InputProblem> problems_;
};

}  // namespace

std::string UnkeptInputText(const std::string& text) {
  if (text.size() > kMaxInputTextBytes) {
    return Filled(Tr("Eingabeprüfung", "der Text ist zu lang (%1 Bytes, höchstens %2)."),
                  {std::to_string(text.size()), std::to_string(kMaxInputTextBytes)});
  }
  const std::optional<Unprintable> u = FirstUnprintable(text);
  if (!u) return {};
  if (u->kind == UnprintableKind::Control) {
    return Filled(
        Tr("Eingabeprüfung", "%1 enthält das Steuerzeichen %2; erlaubt sind nur sichtbare Zeichen und Leerzeichen."),
        {QuotedText(text), u->shown});
  }
  return Filled(Tr("Eingabeprüfung", "%1 ist kein gültiger UTF-8-Text (Byte %2)."), {QuotedText(text), u->shown});
}

Status KeepableInputs(const InputTexts& inputs) {
  for (const InputField& f : InputFields()) {
    if (const std::string why = UnkeptInputText(inputs[f.id]); !why.empty()) return Failure{Quoted(f.id), why};
  }
  return Done{};
}

std::vector<std::string> CheckInputs(const InputTexts& inputs, const InputReading& reading, int maxSpatialSteps) {
  std::vector<std::string> texts;
  for (const InputProblem& p : Checker(inputs, reading, maxSpatialSteps).Run()) texts.push_back(p.text);
  return texts;
}

std::vector<InputProblem> FindInputProblems(const InputTexts& inputs) {
  return Checker(inputs, ReadInputs(inputs), kMaxAnzOS).Run();
}

std::vector<std::string> CheckInputs(const InputTexts& inputs) { return CheckInputs(inputs, ReadInputs(inputs)); }

}  // namespace lamvero
