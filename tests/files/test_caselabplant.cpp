// The laboratory test's choice and the plant data in a case file: written
// only when given, read back unchanged, refused naming the field.

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "files/casefile.h"
#include "inputs/constantair.h"

namespace lamvero {
namespace {

using nlohmann::json;

CaseFile LabCase() {
  CaseFile f;
  f.inputs[Input::Lufttemp] = "42,5";
  f.inputs = WithConstantAir(f.inputs);
  f.constantAir = true;
  PlantData plant;
  plant.basis = PlantData::Basis::PiecesPerHour;
  plant.throughput = 4800;
  plant.pieceDryMass = 2.35;
  f.plant = plant;
  return f;
}

// The error a changed file gives (empty if it reads).
std::string ErrorAfter(const std::function<void(json&)>& change) {
  json j = json::parse(CaseFileText(LabCase(), false));
  change(j);
  const Outcome<CaseFile> r = ReadCaseFileText(j.dump(), nullptr);
  return r ? std::string() : r.message();
}

TEST(CaseLabAndPlant, BothComeBackAndAreWrittenOnlyWhenGiven) {
  const std::string plain = CaseFileText(CaseFile{}, false);
  EXPECT_EQ(plain.find("constantAir"), std::string::npos);
  EXPECT_EQ(plain.find("plant"), std::string::npos);

  CaseFile tonnes = LabCase();
  tonnes.plant = PlantData{PlantData::Basis::TonnesPerHour, 12.5, 0};
  for (const CaseFile& f : {LabCase(), tonnes}) {
    const std::string text = CaseFileText(f, false);
    const Outcome<CaseFile> read = ReadCaseFileText(text, nullptr);
    ASSERT_TRUE(read) << read.message();
    EXPECT_TRUE(read->constantAir);
    ASSERT_TRUE(read->plant);
    EXPECT_EQ(*read->plant, *f.plant);
    EXPECT_EQ(CaseFileText(read.value(), false), text);
  }
  // Tonnes per hour keep no piece mass.
  EXPECT_EQ(CaseFileText(tonnes, false).find("pieceDryMass"), std::string::npos);
}

TEST(CaseLabAndPlant, BadChoiceOrPlantDataIsRefusedNamingTheField) {
  struct Case {
    const char* what;
    std::function<void(json&)> change;
    const char* mention;
  };
  const std::vector<Case> cases = {
      {"choice as text", [](json& j) { j["constantAir"] = "ja"; }, "„constantAir“ ist kein Wahrheitswert"},
      {"end temperature edited by hand", [](json& j) { j["inputs"]["txt_ThetaGegenstromende"] = "80"; },
       "„constantAir“"},
      {"unknown basis", [](json& j) { j["plant"]["basis"] = "kg/h"; }, "„plant.basis“"},
      {"throughput as text", [](json& j) { j["plant"]["throughput"] = "4800"; }, "„plant.throughput“ ist keine Zahl"},
      {"throughput null", [](json& j) { j["plant"]["throughput"] = nullptr; }, "„plant.throughput“ ist keine Zahl"},
      {"throughput zero", [](json& j) { j["plant"]["throughput"] = 0; }, "„plant“"},
      {"negative throughput", [](json& j) { j["plant"]["throughput"] = -5; }, "„plant“"},
      {"piece mass missing", [](json& j) { j["plant"].erase("pieceDryMass"); }, "„plant.pieceDryMass“ fehlt"},
      {"piece mass zero", [](json& j) { j["plant"]["pieceDryMass"] = 0; }, "„plant“"},
      {"piece mass for tonnes", [](json& j) { j["plant"]["basis"] = "tonnesPerHour"; }, "„plant.pieceDryMass“"},
      {"unknown plant field", [](json& j) { j["plant"]["speed"] = 1; }, "„plant.speed“"},
      {"plant as number", [](json& j) { j["plant"] = 3; }, "„plant“ ist kein Objekt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string error = ErrorAfter(c.change);
    EXPECT_NE(error.find(c.mention), std::string::npos) << error;
  }
  EXPECT_EQ(ErrorAfter([](json&) {}), "");
  // Without the choice, the boxes may differ.
  EXPECT_EQ(ErrorAfter([](json& j) {
              j.erase("constantAir");
              j["inputs"]["txt_ThetaGegenstromende"] = "80";
            }),
            "");
}

}  // namespace
}  // namespace lamvero
