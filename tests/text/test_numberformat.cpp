#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/numberformat.h"

namespace lamvero {
namespace {

TEST(Format, RoundsHalvesAwayFromZeroOnFifteenSignificantDigits) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {
      {2.675, "#0.00", "2,68"},   {0.125, "#0.00", "0,13"},    {-1.005, "#0.00", "-1,01"},
      {1234.5, "#0.0", "1234,5"}, {3.14159, "#0.00", "3,14"},  {0.004, "#0.00", "0,00"},
      {0.005, "#0.00", "0,01"},   {2.5, "#0", "3"},            {-2.5, "#0", "-3"},
      {0.5, "#0", "1"},           {0.49, "#0", "0"},           {9.995, "#0.00", "10,00"},
      {99.96, "#0.0", "100,0"},   {0.00005, "#0.0000", "0,0001"}, {1.23456, "#0.000", "1,235"},
      {100, "#0", "100"},         {30.9341, "#0.0", "30,9"},   {0.135573, "#0.000", "0,136"},
      {1e20, "#0.0", "100000000000000000000,0"}, {1e-300, "#0.00", "0,00"},
      {123456789.125, "#0.00", "123456789,13"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.value;
}

TEST(Format, AZeroResultShowsNoSign) {
  EXPECT_EQ(Format(-0.0, "#0.00"), "0,00");
  EXPECT_EQ(Format(-0.004, "#0.00"), "0,00");
  EXPECT_EQ(Format(-0.4, "#0"), "0");
  EXPECT_EQ(Format(-0.00005, "#0.0000"), "-0,0001");
}

TEST(FormatDuration, HoursMinutesSecondsWithHalvesToEven) {
  const struct {
    double seconds;
    const char* text;
  } cases[] = {
      {0, " 0:00:00"},        {59, " 0:00:59"},       {60, " 0:01:00"},     {3725, " 1:02:05"},
      {3599, " 0:59:59"},     {3600, " 1:00:00"},     {86400, " 24:00:00"}, {100000, " 27:46:40"},
      {3725.5, " 1:02:06"},   {3724.5, " 1:02:04"},   {3599.5, " 1:00:00"}, {3599.3, " 0:59:59"},
      {0.5, " 0:00:00"},      {1.5, " 0:00:02"},      {1e10, " 2777777:46:40"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDuration(c.seconds), c.text) << c.seconds;
}

TEST(Format, UnwritableValuesAndDurationsGiveADash) {
  EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "#0.0"), "-");
  EXPECT_EQ(Format(-std::numeric_limits<double>::infinity(), "#0"), "-");
  EXPECT_EQ(FormatDuration(-1), "-");
  EXPECT_EQ(FormatDuration(std::numeric_limits<double>::infinity()), "-");
  EXPECT_EQ(FormatDuration(-0.4), " 0:00:00");  // rounds to zero
}

}  // namespace
}  // namespace lamvero
