#include "text/csvformat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace lamvero {
namespace {

TEST(CsvFormat, DialectsByName) {
  EXPECT_EQ(CsvDialectNamed("plain"), CsvDialect::Plain);
  EXPECT_EQ(CsvDialectNamed("de"), CsvDialect::German);
  EXPECT_FALSE(CsvDialectNamed("DE").has_value());
  EXPECT_FALSE(CsvDialectNamed("").has_value());
}

TEST(CsvFormat, NumbersReadBackExactlyInBothDialects) {
  for (double v : {0.1324, 90.6094054336513, -1e-300, 3604.25, 1.0 / 3.0, 22000.5, 0.0}) {
    const std::string plain = CsvNumber(v, CsvDialect::Plain);
    EXPECT_EQ(std::strtod(plain.c_str(), nullptr), v) << plain;
    std::string german = CsvNumber(v, CsvDialect::German);
    EXPECT_EQ(german.find('.'), std::string::npos) << german;
    for (char& c : german) {
      if (c == ',') c = '.';
    }
    EXPECT_EQ(german, plain);
  }
  EXPECT_EQ(CsvNumber(0.1324, CsvDialect::German), "0,1324");
  EXPECT_EQ(CsvNumber(std::numeric_limits<double>::quiet_NaN(), CsvDialect::Plain), "");
  EXPECT_EQ(CsvNumber(std::numeric_limits<double>::infinity(), CsvDialect::German), "");
}

TEST(CsvFormat, TextIsQuotedOnlyWhereTheDialectNeedsIt) {
  EXPECT_EQ(CsvText("Dicke, trocken", CsvDialect::Plain), "\"Dicke, trocken\"");
  EXPECT_EQ(CsvText("Dicke, trocken", CsvDialect::German), "Dicke, trocken");
  EXPECT_EQ(CsvText("a;b", CsvDialect::German), "\"a;b\"");
  EXPECT_EQ(CsvText("sagt \"nein\"", CsvDialect::Plain), "\"sagt \"\"nein\"\"\"");
  EXPECT_EQ(CsvText("zwei\nZeilen", CsvDialect::Plain), "\"zwei\nZeilen\"");
  EXPECT_EQ(CsvRow({"t in s", CsvNumber(0.5, CsvDialect::German)}, CsvDialect::German), "t in s;0,5\n");
}

}  // namespace
}  // namespace lamvero
