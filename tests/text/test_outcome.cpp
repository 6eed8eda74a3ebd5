#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "text/outcome.h"

namespace lamvero {
namespace {

Outcome<int> Half(int n) {
  if (n % 2 != 0) return Failure{"n = " + std::to_string(n), "ungerade"};
  return n / 2;
}

TEST(Outcome, HoldsTheValueOrTheFailureWithWhereAndReason) {
  const Outcome<int> half = Half(8);
  ASSERT_TRUE(half);
  EXPECT_EQ(half.value(), 4);

  const Outcome<int> odd = Half(7);
  ASSERT_FALSE(odd);
  EXPECT_EQ(odd.failure().where, "n = 7");
  EXPECT_EQ(odd.failure().reason, "ungerade");
  EXPECT_EQ(odd.message(), "n = 7: ungerade");
  // Without a place the reason stands alone, with no separator in front.
  EXPECT_EQ(Failure({"", "Kein Dateiname angegeben."}).text(), "Kein Dateiname angegeben.");
}

TEST(Outcome, AValueThatCannotBeCopiedIsMovedOut) {
  Outcome<std::unique_ptr<int>> made = std::make_unique<int>(3);
  ASSERT_TRUE(made.ok());
  const std::unique_ptr<int> taken = std::move(made).value();
  EXPECT_EQ(*taken, 3);

  const Status done = Done{};
  EXPECT_TRUE(done);
  const Status failed = Failure{"", "die Ausgabe kann nicht geschrieben werden"};
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.message(), "die Ausgabe kann nicht geschrieben werden");
}

}  // namespace
}  // namespace lamvero
