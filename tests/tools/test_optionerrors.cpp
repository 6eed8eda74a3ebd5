// What the runner says about a command line it cannot read: one German line on
// stderr, exit status 2, nothing on stdout and never the whole help.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tools/runbatch.h"

namespace {

using lamvero::testing::BatchResult;
using lamvero::testing::Lines;
using lamvero::testing::RunBatch;

// The refusal every case below must share.
void ExpectOneLineRefusal(const BatchResult& r, const std::string& expected) {
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.out.empty()) << r.out;
  EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
  EXPECT_EQ(r.err.rfind("lamvero-batch: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("lamvero-batch --help"), std::string::npos) << r.err;
  // Neither the help (the field listing, the exit codes) nor the library's English.
  for (const char* foreign : {"Eingabefelder:", "Rückgabewert", "Options:", "not expected", "Could not", "Expected",
                              "required", "Value "}) {
    EXPECT_EQ(r.err.find(foreign), std::string::npos) << foreign << " in " << r.err;
  }
}

// Command lines and a piece of the line each must get.
struct Refusal {
  const char* args;
  const char* expected;
};

void ExpectRefusals(std::initializer_list<Refusal> refusals) {
  for (const Refusal& c : refusals) {
    SCOPED_TRACE(c.args);
    ExpectOneLineRefusal(RunBatch(c.args), c.expected);
  }
}

TEST(OptionErrors, MisspeltOptionNamesTheLikelyOne) {
  ExpectRefusals({
      {"--vray txt_Dicke=10:20:5", "unbekannte Option --vray; gemeint ist wohl --vary."},
      {"--jsno", "unbekannte Option --jsno; gemeint ist wohl --json."},
      {"--Series x.csv", "gemeint ist wohl --series."},
      {"--acuracy-shceme=time --accuracy", "gemeint ist wohl --accuracy-scheme."},
  });
  // Nothing near: no guess.
  const BatchResult far = RunBatch("--frobnicate");
  ExpectOneLineRefusal(far, "unbekannte Option --frobnicate.");
  EXPECT_EQ(far.err.find("gemeint"), std::string::npos) << far.err;
  const BatchResult letter = RunBatch("-x");
  ExpectOneLineRefusal(letter, "unbekannte Option -x.");
  EXPECT_EQ(letter.err.find("gemeint"), std::string::npos) << letter.err;
}

TEST(OptionErrors, RefusedValuesSayWhatTheOptionTakes) {
  ExpectRefusals({
      {"--refine=9", "--refine: „9“ liegt nicht zwischen 1 und 5."},
      {"--refine=drei", "--refine: „drei“ ist keine ganze Zahl (erlaubt: 1 bis 5)."},
      {"--refine -j abc", "--jobs: „abc“ ist keine ganze Zahl (erlaubt: 1 bis 1024)."},
      {"--refine --jobs=1025", "--jobs: „1025“ liegt nicht zwischen 1 und 1024."},
      {"--refine --format=xml", "--format: „xml“ ist nicht erlaubt (erlaubt: csv, jsonl)."},
      {"--series x.csv --csv-dialect=fr", "--csv-dialect: „fr“ ist nicht erlaubt (erlaubt: plain, de)."},
      {"--series x.csv --every=0", "--every: „0“ liegt nicht zwischen 1 und 500001."},
      {"--series", "--series: der Wert fehlt (--series WERT oder --series=WERT)."},
      {"--refine -j", "--jobs: der Wert fehlt"},
      {"--series a.csv --series b.csv", "--series ist mehrfach angegeben; die Option nimmt einen Wert."},
      {"--lang de --lang de", "--lang ist mehrfach angegeben"},
      {"--json=vielleicht", "--json"},
  });
  // The limits themselves are taken: such a command line gets past them to the field check.
  for (const char* args : {"--refine=5 -j 1024", "--refine=1 -j 1 --format=jsonl", "--series x.csv --every=500001 --csv-dialect=de"}) {
    SCOPED_TRACE(args);
    ExpectOneLineRefusal(RunBatch(std::string(args) + " txt_Gibtsnicht=1"), "unbekanntes Eingabefeld");
  }
}

TEST(OptionErrors, FieldAndValueGivenApartGetTheRightForm) {
  ExpectOneLineRefusal(RunBatch("txt_Dicke 25"), "txt_Dicke 25: Eingaben werden als txt_Dicke=25 geschrieben");
  ExpectOneLineRefusal(RunBatch("txt_Lufttemp=40 txt_Dicke 25,5"),
                       "txt_Dicke 25,5: Eingaben werden als txt_Dicke=25,5 geschrieben");
  // Values that look like options to the command line.
  ExpectOneLineRefusal(RunBatch("txt_Dicke -3"), "txt_Dicke -3: Eingaben werden als txt_Dicke=-3 geschrieben");
  ExpectOneLineRefusal(RunBatch("txt_Lufttemp --5"), "txt_Lufttemp --5: Eingaben werden als txt_Lufttemp=--5 geschrieben");
  // A value alone is no misspelt field name.
  const BatchResult value = RunBatch("25");
  ExpectOneLineRefusal(value, "unbekanntes Eingabefeld in \"25\"");
  EXPECT_EQ(value.err.find("gemeint"), std::string::npos) << value.err;
  // Without a value, and followed by another assignment rather than a value.
  ExpectOneLineRefusal(RunBatch("txt_Dicke"), "txt_Dicke: Eingaben werden als txt_Dicke=TEXT geschrieben");
  ExpectOneLineRefusal(RunBatch("txt_Dicke txt_Lufttemp=40"),
                       "txt_Dicke: Eingaben werden als txt_Dicke=TEXT geschrieben");
  // The same for a varied input: its values as one argument, with the forms a study takes.
  ExpectRefusals({
      {"--vary txt_Dicke 20:40:5", "--vary txt_Dicke 20:40:5: Studienwerte werden als --vary txt_Dicke=20:40:5 geschrieben"},
      {"--vary txt_Lufttemp", "--vary txt_Lufttemp=WERTE geschrieben (ohne Leerzeichen). Ein Bereich ist Anfang:Ende:Schritt"},
      {"--vary txt_Dicke=10:20:5 --vary txt_Lufttemp '35;45'", "--vary txt_Lufttemp=35;45 geschrieben"},
  });
  // A word that is no field keeps the field message.
  ExpectOneLineRefusal(RunBatch("Dicke 25"), "unbekanntes Eingabefeld in \"Dicke\"; gemeint ist wohl txt_Dicke");
}

TEST(OptionErrors, UnknownFieldAndOtherUsageErrorsLeaveOutTheHelp) {
  ExpectOneLineRefusal(RunBatch("txt_Dike=3"), "unbekanntes Eingabefeld in \"txt_Dike=3\"; gemeint ist wohl txt_Dicke");
  ExpectOneLineRefusal(RunBatch("txt_Gibtsnicht=3"), "Erwartet txt_Name=TEXT mit einem von: txt_Dicke");
  ExpectOneLineRefusal(RunBatch("--with-series"), "--with-series gilt nur zusammen mit --save.");
  ExpectOneLineRefusal(RunBatch("--accuracy-scheme=fein --accuracy"), "--accuracy-scheme: unbekannt");
}

}  // namespace
