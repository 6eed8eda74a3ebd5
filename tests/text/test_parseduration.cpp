#include "text/parseduration.h"

#include <gtest/gtest.h>

#include "text/numberformat.h"

namespace lamvero {
namespace {

TEST(ParseDuration, ReadsWhatTheWindowWrites) {
  EXPECT_EQ(ParseDuration("6:06:41"), 6 * 3600 + 6 * 60 + 41);
  EXPECT_EQ(ParseDuration(" 0:00:00 "), 0);
  EXPECT_EQ(ParseDuration("125:59:59"), 125 * 3600 + 59 * 60 + 59);
  EXPECT_EQ(ParseDuration("12:30"), 12 * 3600 + 30 * 60);
  for (double seconds : {0.0, 59.0, 3600.0, 22001.0, 453600.0}) {
    EXPECT_EQ(ParseDuration(FormatDuration(seconds)), seconds) << FormatDuration(seconds);
  }
}

TEST(ParseDuration, RefusesWhatIsNoDuration) {
  for (const char* text : {"", "12", "1:60:00", "1:00:60", "1:5:00", "1:05:0", "-1:00:00", "1:00:00:00",
                           "1::00", ":10:00", "1:00:", "1,5:00:00", "1 h", "1:00 : 00"}) {
    EXPECT_FALSE(ParseDuration(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace lamvero
