#pragma once
// The controls of the window a run shows its values in, checked by the
// compiler. Each is named once, here: the result descriptors and the
// window's control table take their names from this list, the presenter
// addresses them by identity, and the record keeps their states by name.

#include <cstddef>

namespace lamvero {

#define LAMVERO_RUN_CONTROLS(X)                                                                               \
  X(cmd_Start) X(cmd_Stop) X(cmd_Pause) X(cmd_Neustart)                                                       \
  X(lbl_SchwindEnde) X(txt_XSchwEnde) X(lbl_offPoren) X(txt_offPoren)                                         \
  X(lbl_LuftRohlingVerh) X(txt_LuftRohlingVerh) X(lbl_LuftWasserVerh) X(txt_LuftWasserVerh)                   \
  X(lbl_ThetaZuluft) X(txt_ThetaZuluft) X(lbl_Zeit) X(txt_Zeit)                                               \
  X(lbl_momLuftTemp) X(txt_momLuftTemp) X(lbl_momXLuft) X(txt_momXLuft)                                       \
  X(lbl_thetaOb) X(txt_thetaOb) X(lbl_Kerntemp) X(txt_thetaK) X(lbl_Xmom) X(txt_xmom)                         \
  X(lbl_Waermestromdichte) X(txt_qrand) X(lbl_Wasserdampf) X(txt_Wasserdampf)                                 \
  X(lbl_KapGeschw) X(txt_KapGeschw) X(lbl_DampfGeschw) X(txt_Dampfgeschw)                                     \
  X(lbl_DauerGegenstrom) X(txt_DauerGegenstrom) X(lbl_XGegen) X(txt_XGegen)                                   \
  X(lbl_Dauer1TA) X(txt_Dauer1TA) X(lbl_X1TA) X(txt_X1TA) X(lbl_Anfangsrate) X(txt_Anfangsrate)               \
  X(lbl_OberflSchwind) X(txt_t1xse) X(lbl_SchwindDiff) X(txt_schwinddiff)                                     \
  X(lbl_SchwindGradient) X(txt_schwindgrad) X(lbl_KernSchwind) X(txt_t2xse)                                   \
  X(lbl_spezEnergie) X(txt_spezEnergie) X(lbl_relEnergie) X(txt_relEnergie)                                   \
  X(lbl_Ortsschrittzahl) X(txt_AnzOS) X(lbl_Wasserfehler) X(txt_Wasserfehler)                                 \
  X(lbl_ungenau1) X(lbl_ungenau2) X(lbl_ungenau3) X(lbl_Achtung) X(Image7)

enum class RunControl {
#define LAMVERO_ENUM_ENTRY(name) name,
  LAMVERO_RUN_CONTROLS(LAMVERO_ENUM_ENTRY)
#undef LAMVERO_ENUM_ENTRY
};

constexpr std::size_t kRunControlCount = 0
#define LAMVERO_COUNT_ENTRY(name) +1
    LAMVERO_RUN_CONTROLS(LAMVERO_COUNT_ENTRY)
#undef LAMVERO_COUNT_ENTRY
    ;

// The control's object name, e.g. "txt_Zeit".
const char* ControlName(RunControl c);

constexpr std::size_t IndexOf(RunControl c) { return static_cast<std::size_t>(c); }

}  // namespace lamvero
