#pragma once
// The 18 input boxes of a run: their names, captions and default texts, and
// the texts a user typed into them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lamvero {

enum class Input : std::size_t {
  Dicke, rhos, XAnf, linTrSchwind, Feuchteleit, lambda, mue, Waermeuebergang, ThetaEinf,
  AussenluftTemp, AussenluftFeuchte, Lufttemp, AbluftFeuchte, ThetaGegenstromende,
  Ortsschrittweite, deltaT, rund, KappaSteig,
};
constexpr std::size_t kInputCount = 18;
// The longest text an input box holds, in bytes (a text box takes 32767
// characters); a case file keeps no longer one.
constexpr std::size_t kMaxInputTextBytes = 32767;

struct InputField {
  Input id;
  const char* box;          // text box name, e.g. "txt_Dicke"
  const char* label;        // its label, e.g. "lbl_Dicke"
  // The label's caption, in German and with the trailing blanks the window
  // shows. The catalogue (context "Eingabefelder") holds it as stored, blanks
  // and all: look up the stored caption, Tr("Eingabefelder", caption), and
  // trim afterwards if need be; ShownCaption does both. Units are symbols the
  // same in every language and are not in the catalogue.
  const char* caption;
  const char* defaultText;  // the box's text when the window opens
  // What a brick dryer usually sees, in the caption's unit; values outside
  // can be computed but earn a warning before the run.
  double usualMin;
  double usualMax;
  const char* unit;         // the caption's unit ("" for a pure number)
};

// In window order: the 14 main inputs, then the 4 numerical-control inputs.
const std::array<InputField, kInputCount>& InputFields();
const InputField& FieldOf(Input id);

// The caption in the user's language, without trailing blanks: what a message names the input by.
std::string ShownCaption(Input id);

// The texts of the input boxes, as typed.
class InputTexts {
 public:
  static InputTexts Defaults();
  const std::string& operator[](Input id) const { return texts_[static_cast<std::size_t>(id)]; }
  std::string& operator[](Input id) { return texts_[static_cast<std::size_t>(id)]; }
  // Sets the box of that name ("txt_Dicke"); false if there is no such input box.
  bool set(std::string_view box, std::string text);

 private:
  std::array<std::string, kInputCount> texts_;
};

// The inputs whose texts differ between `before` and `now`, in window order.
std::vector<Input> ChangedInputs(const InputTexts& before, const InputTexts& now);
// Their ShownCaptions, separated by commas.
std::string InputCaptions(const std::vector<Input>& inputs);

// The inputs converted to model units.
struct InputValues {
  double Dicke = 0;                // green plate thickness, mm
  double rhos = 0;                 // density of the dried body, kg/m³
  double XAnf = 0;                 // initial moisture content, kg/kg (dry basis, "atro")
  double linTrSchwind = 0;         // total linear drying shrinkage, %
  double Feuchteleit = 0;          // moisture conductivity at 0.25 kg/kg and 25 °C, m²/s
  double lambda = 0;               // thermal conductivity of the dry plate, kW/(m K)
  double mue = 0;                  // vapour-diffusion resistance factor of the dry body, 1
  double Waermeuebergang = 0;      // heat-transfer coefficient, kW/(m² K)
  double ThetaEinf = 0;            // temperature of the entering green bodies, °C
  double AussenluftTemp = 0;       // outside-air temperature, °C
  double AussenluftFeuchte = 0;    // relative humidity of the outside air, fraction
  double Lufttemp = 0;             // exhaust-air temperature, °C
  double AbluftFeuchte = 0;        // relative humidity of the exhaust air, fraction
  double ThetaGegenstromende = 0;  // air temperature that ends the counter-current section, °C
  double Ortsschrittweite = 0;     // requested spatial step, mm
  double deltaT = 0;               // time step, s
  double rund = 0;                 // time steps per curve interval
  double KappaSteig = 0;           // decimal-logarithmic slope of the conductivity below the limit moisture
};

}  // namespace lamvero
