#include "run/recordfields.h"

namespace lamvero {

const std::vector<RecordField<DerivedValues>>& DerivedFields() {
  static const std::vector<RecordField<DerivedValues>> fields{
      {"DickeTr", &DerivedValues::DickeTr},
      {"dx", &DerivedValues::dx},
      {"pDAb", &DerivedValues::pDAb},
      {"XAbluft", &DerivedValues::XAbluft},
      {"ThetaKgr", &DerivedValues::ThetaKgr},
      {"pDAu", &DerivedValues::pDAu},
      {"XAussen", &DerivedValues::XAussen},
      {"LuftRohlingVerh", &DerivedValues::LuftRohlingVerh},
      {"LuftWasserVerh", &DerivedValues::LuftWasserVerh},
      {"SchwindTot", &DerivedValues::SchwindTot},
      {"rho0", &DerivedValues::rho0},
      {"PhiAnf", &DerivedValues::PhiAnf},
      {"offPoren", &DerivedValues::offPoren},
      {"XSchwEnde", &DerivedValues::XSchwEnde},
      {"KappaGr", &DerivedValues::KappaGr},
  };
  return fields;
}

const std::vector<RecordField<RunResults>>& ResultFields() {
  static const std::vector<RecordField<RunResults>> fields{
      {"Zeit", &RunResults::Zeit},
      {"Dauer1TA", &RunResults::Dauer1TA},
      {"X1TA", &RunResults::X1TA},
      {"Anfangsrate", &RunResults::Anfangsrate},
      {"t1xse", &RunResults::t1xse},
      {"t2xse", &RunResults::t2xse},
      {"DauerGegenstrom", &RunResults::DauerGegenstrom},
      {"XGegen", &RunResults::XGegen},
      {"schwindgrad", &RunResults::schwindgrad},
      {"schwinddiff", &RunResults::schwinddiff},
      {"ThetaZuluft", &RunResults::ThetaZuluft},
      {"spezEnergie", &RunResults::spezEnergie},
      {"relEnergie", &RunResults::relEnergie},
      {"WasserfehlerProzent", &RunResults::WasserfehlerProzent},
      {"WasserdampfMax", &RunResults::WasserdampfMax},
      {"XEnde", &RunResults::XEnde},
      {"XBilanz", &RunResults::XBilanz},
      {"xmom", &RunResults::xmom},
      {"qrand", &RunResults::qrand},
      {"Wasserdampf", &RunResults::Wasserdampf},
      {"ThetaOb", &RunResults::ThetaOb},
      {"ThetaK", &RunResults::ThetaK},
      {"ThetaLuft", &RunResults::ThetaLuft},
      {"XLuft", &RunResults::XLuft},
      {"sSpiegel", &RunResults::sSpiegel},
  };
  return fields;
}

const RecordField<RunResults>* FindResultField(const std::string& name) {
  for (const RecordField<RunResults>& f : ResultFields()) {
    if (name == f.name) return &f;
  }
  return nullptr;
}

}  // namespace lamvero
