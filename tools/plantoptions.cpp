#include "tools/plantoptions.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <nlohmann/json.hpp>

#include "text/language.h"
#include "text/numberformat.h"
#include "text/shownchars.h"
#include "tools/unitnumber.h"

namespace lamvero {

namespace {

// The units --throughput takes after its number, and what each means.
struct ThroughputUnit {
  const char* unit;
  PlantData::Basis basis;
};
constexpr ThroughputUnit kThroughputUnits[] = {
    {"t/h", PlantData::Basis::TonnesPerHour},
    {"/h", PlantData::Basis::PiecesPerHour},
    {"Stück/h", PlantData::Basis::PiecesPerHour},
};

const char* BasisKey(PlantData::Basis basis) {
  return basis == PlantData::Basis::TonnesPerHour ? "tonnesPerHour" : "piecesPerHour";
}

std::string FigureText(const PlantFigureDescriptor& d, double value) {
  return std::isfinite(value) ? Format(value, d.pattern) + " " + d.unit : Tr("lamvero-batch", "nicht erreicht");
}

}  // namespace

void PlantRequest::registerWith(CLI::App& app) {
  app.add_option("--throughput", throughputText,
                 Tr("lamvero-batch",
                    "Anlagendurchsatz an trockenen Rohlingen: 2,5t/h oder Stück je Stunde als 1200/h (dann mit "
                    "--piece-mass); nach den Ergebniszeilen folgen Luftdurchsatz, Abluftvolumenstrom, Heizleistung "
                    "und verdunstetes Wasser (mit --json als Objekt \"plant\")"))
      ->type_name(Tr("lamvero-batch", "DURCHSATZ"));
  app.add_option("--piece-mass", pieceMassText,
                 Tr("lamvero-batch", "Trockenmasse eines Rohlings in kg, zu --throughput N/h"))
      ->type_name("KG");
}

Status PlantRequest::resolve(const CLI::App& app) {
  const bool pieceMassGiven = app.count("--piece-mass") > 0;
  if (app.count("--throughput") == 0) {
    if (pieceMassGiven) return Failure{"--piece-mass", Tr("lamvero-batch", "gilt nur mit --throughput N/h")};
    return Done{};
  }
  std::optional<PlantData> read;
  for (const ThroughputUnit& u : kThroughputUnits) {
    // The unit says which basis: it must be written.
    const std::string unit = u.unit;
    const bool written = throughputText.size() > unit.size() &&
                         throughputText.compare(throughputText.size() - unit.size(), unit.size(), unit) == 0;
    const std::optional<double> number = written ? NumberWithUnit(throughputText, unit) : std::nullopt;
    if (number && !read) read = PlantData{u.basis, *number, 0};
  }
  if (!read) {
    return Failure{"--throughput", Filled(Tr("lamvero-batch", "\"%1\" ist kein Durchsatz (etwa 2,5t/h oder 1200/h)"),
                                          {ShownText(throughputText)})};
  }
  PlantData data = *read;
  if (data.basis == PlantData::Basis::PiecesPerHour) {
    if (!pieceMassGiven) {
      return Failure{"--throughput", Tr("lamvero-batch", "Stück je Stunde brauchen --piece-mass (kg trocken je Stück)")};
    }
    const std::optional<double> mass = NumberWithUnit(pieceMassText, "kg");
    if (!mass) {
      return Failure{"--piece-mass",
                     Filled(Tr("lamvero-batch", "\"%1\" ist keine Masse in kg"), {ShownText(pieceMassText)})};
    }
    data.pieceDryMass = *mass;
  } else if (pieceMassGiven) {
    return Failure{"--piece-mass", Tr("lamvero-batch", "gilt nur mit --throughput N/h, nicht mit t/h")};
  }
  if (const std::string problem = PlantDataProblem(data); !problem.empty()) return Failure{"--throughput", problem};
  plant = data;
  return Done{};
}

std::string PlantLines(const PlantData& plant, const RunRecord& record) {
  const PlantFigures figures = PlantFiguresOf(plant, record);
  std::string lines =
      (plant.basis == PlantData::Basis::TonnesPerHour
           ? Filled(Tr("lamvero-batch", "Anlage: %1 t/h"), {FormatSixDigits(plant.throughput)})
           : Filled(Tr("lamvero-batch", "Anlage: %1 Stück/h zu %2 kg trocken"),
                    {FormatSixDigits(plant.throughput), FormatSixDigits(plant.pieceDryMass)})) +
      "\n";
  for (const PlantFigureDescriptor& d : PlantFigureDescriptors()) {
    lines += Tr("Ergebnisse", d.caption) + ": " + FigureText(d, figures.*d.member) + "\n";
  }
  return lines;
}

std::string PlantJsonMember(const PlantData& plant, const RunRecord& record) {
  const PlantFigures figures = PlantFiguresOf(plant, record);
  nlohmann::ordered_json values = nlohmann::ordered_json::object();
  for (const PlantFigureDescriptor& d : PlantFigureDescriptors()) {
    const double v = figures.*d.member;
    values[d.key] = std::isfinite(v) ? nlohmann::ordered_json(v) : nlohmann::ordered_json(nullptr);
  }
  nlohmann::ordered_json j = {{"basis", BasisKey(plant.basis)}, {"throughput", plant.throughput}};
  if (plant.basis == PlantData::Basis::PiecesPerHour) j["pieceDryMass"] = plant.pieceDryMass;
  j["figures"] = values;
  return ",\"plant\":" + j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace lamvero
