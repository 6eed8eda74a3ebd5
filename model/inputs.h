#pragma once
// The 18 input boxes of a run: their names, captions and default texts, and
// the texts a user typed into them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace lamvero {

enum class Input : std::size_t {
  Dicke, rhos, XAnf, linTrSchwind, Feuchteleit, lambda, mue, Waermeuebergang, ThetaEinf,
  AussenluftTemp, AussenluftFeuchte, Lufttemp, AbluftFeuchte, ThetaGegenstromende,
  Ortsschrittweite, deltaT, rund, KappaSteig,
};
constexpr std::size_t kInputCount = 18;

struct InputField {
  Input id;
  const char* box;          // text box name, e.g. "txt_Dicke"
  const char* label;        // its label, e.g. "lbl_Dicke"
  const char* caption;      // the label's caption
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

}  // namespace lamvero
